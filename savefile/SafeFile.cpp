// SPDX-License-Identifier: MIT
#include "SafeFile.h"

#include "BlockedSignals.h"
#include "CleanupOnSignal.h"
#include "FolderAndName.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kNameAttempts = 100;

// Short and independent of the target's name, so it fits beside a target
// whose name already takes the file system's whole limit.
std::string RandomHiddenName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[10] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        // Without entropy the exclusive create still keeps names apart; the
        // clock, the process and a counter only make a clash rare.
        static std::atomic<std::uint64_t> counter{0};
        const std::uint64_t seed =
            static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count()) ^
            (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15U);
        std::memcpy(random, &seed, sizeof seed);
    }
    std::string name = ".~saving-";
    for (const unsigned char byte : random)
        name += kLetters[byte % (sizeof kLetters - 1)];
    return name;
}

} // namespace

CSafeFile::CSafeFile(const std::string& targetPath, Temporary temporary)
{
    auto [folder, name] = FolderAndName(targetPath);
    m_targetName = std::move(name);
    m_folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0) {
        Fail(errno);
        return;
    }
    if (!CheckTarget())
        return;
    if (temporary == Temporary::Unnamed && OpenUnnamed())
        return;
    if (m_error.empty())
        OpenHiddenName();
}

CSafeFile::~CSafeFile()
{
    Discard();
}

void CSafeFile::Fail(int error)
{
    Fail(std::string(std::strerror(error)));
}

void CSafeFile::Fail(std::string reason)
{
    if (m_error.empty())
        m_error = std::move(reason);
}

bool CSafeFile::CheckTarget()
{
    struct stat status
    {};
    if (::fstatat(m_folderFd, m_targetName.c_str(), &status, 0) != 0)
        return true; // nothing there yet, or nothing we could replace anyway
    if (S_ISDIR(status.st_mode))
        return true; // the rename will say that a folder is in the way
    // Renaming over a file needs only the folder's permission; the file's own
    // says whether its owner lets it be changed.
    if (::faccessat(m_folderFd, m_targetName.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        m_readOnly = true;
        Fail("the file is read-only");
        return false;
    }
    return true;
}

bool CSafeFile::OpenUnnamed()
{
    // Giving an unnamed file a name goes through its entry in /proc.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    m_fd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd >= 0)
        return true;
    // The file system or the kernel has no unnamed files: use a name instead.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
        return false;
    Fail(errno);
    return false;
}

bool CSafeFile::OpenHiddenName()
{
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
        std::string name = RandomHiddenName();
        const CBlockedSignals blocked;
        m_fd = ::openat(m_folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = errno;
        if (m_fd >= 0) {
            struct stat status
            {};
            ::fstat(m_fd, &status);
            m_cleanupSlot =
                CleanupOnSignal::Remember(m_folderFd, name.c_str(), status.st_dev, status.st_ino);
            m_hiddenName = std::move(name);
            return true;
        }
    }
    Fail(error);
    return false;
}

bool CSafeFile::Commit()
{
    if (m_committed)
        return m_error.empty();
    m_committed = true;
    if (m_fd < 0 || !m_error.empty()) {
        Discard();
        return false;
    }
    if (::fsync(m_fd) != 0)
        Fail(errno);
    else if (CheckTarget() && KeepOldPermissions())
        LinkIn();
    if (!m_error.empty()) {
        Discard();
        return false;
    }
    // The file is in place; making its name durable too is the best we can
    // do, and a failure here changes nothing the user could act on.
    ::fsync(m_folderFd);
    Discard();
    return true;
}

bool CSafeFile::KeepOldPermissions()
{
    struct stat old
    {};
    if (::fstatat(m_folderFd, m_targetName.c_str(), &old, 0) != 0)
        return true; // a new file gets the usual permissions
    if (::fchmod(m_fd, old.st_mode & 0777) != 0) {
        Fail(errno);
        return false;
    }
    struct stat ours
    {};
    // The group may be ours to set or not; a file in another group is still
    // saved, in our own.
    if (::fstat(m_fd, &ours) == 0 && ours.st_gid != old.st_gid)
        if (::fchown(m_fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not ours to set: the file stays in our group.
        }
    return true;
}

bool CSafeFile::LinkIn()
{
    // Between the two steps the file has a hidden name; an interruption must
    // not fall between them and leave it.
    const CBlockedSignals blocked;
    if (m_hiddenName.empty() && !LinkUnnamedIn())
        return false;
    if (::renameat(m_folderFd, m_hiddenName.c_str(), m_folderFd, m_targetName.c_str()) != 0) {
        Fail(errno);
        return false;
    }
    m_hiddenName.clear();
    CleanupOnSignal::Forget(std::exchange(m_cleanupSlot, -1));
    return true;
}

bool CSafeFile::LinkUnnamedIn()
{
    // A link cannot replace a file, so the unnamed file gets a hidden name
    // first and is then renamed over the target in one step.
    const std::string source = "/proc/self/fd/" + std::to_string(m_fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = RandomHiddenName();
        if (::linkat(AT_FDCWD, source.c_str(), m_folderFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_hiddenName = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    Fail(errno);
    return false;
}

void CSafeFile::Discard() noexcept
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_hiddenName.empty())
        ::unlinkat(m_folderFd, m_hiddenName.c_str(), 0);
    m_hiddenName.clear();
    CleanupOnSignal::Forget(std::exchange(m_cleanupSlot, -1));
    if (m_folderFd >= 0)
        ::close(std::exchange(m_folderFd, -1));
}
