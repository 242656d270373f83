// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A new content for a file that becomes the file only when it is complete and
// on disk, so a crash, a full disk or an interruption at any point leaves the
// old file as it was and no half-written one.
//
// The bytes go to an unnamed file in the target's folder, which disappears by
// itself whatever ends the program, and which is given the target's name when
// committed. Where the file system cannot make unnamed files, a short hidden
// random name in the same folder stands in; that one is removed on failure, on
// destruction and on Ctrl-C, SIGTERM and SIGHUP (see CleanupOnSignal).
//
// A file that stands at the target already must be writable by us: a
// read-only file is refused, not replaced. A replaced file keeps its
// permission bits, and its group where we may set it.
class CSafeFile
{
public:
    enum class Temporary
    {
        Unnamed,   // falls back to a hidden name where unsupported
        HiddenName // tests use it to cover the fallback
    };

    explicit CSafeFile(const std::string& targetPath, Temporary temporary = Temporary::Unnamed);
    ~CSafeFile();
    CSafeFile(const CSafeFile&) = delete;
    CSafeFile& operator=(const CSafeFile&) = delete;

    // Where the bytes are written; -1 when the file could not be made. It
    // stays ours: write through a duplicate if the writer wants to close it.
    int Descriptor() const noexcept { return m_fd; }

    // Flushes the bytes to disk, gives the file the old file's permissions
    // and puts it in place in one step. False, with the target untouched,
    // when any step failed.
    bool Commit();

    // Why the file could not be made or committed, in the system's words;
    // empty while all is well.
    const std::string& Error() const noexcept { return m_error; }
    // The target stands and is not writable by us.
    bool TargetIsReadOnly() const noexcept { return m_readOnly; }

private:
    bool CheckTarget();
    bool OpenUnnamed();
    bool OpenHiddenName();
    bool KeepOldPermissions();
    bool LinkIn();
    bool LinkUnnamedIn();
    void Fail(int error);
    void Fail(std::string reason);
    void Discard() noexcept;

    std::string m_targetName;
    int m_folderFd = -1;
    int m_fd = -1;
    std::string m_hiddenName; // empty for an unnamed file
    int m_cleanupSlot = -1;
    std::string m_error;
    bool m_readOnly = false;
    bool m_committed = false;
};
