// SPDX-License-Identifier: MIT
#pragma once

#include "ByteSink.h"
#include "SafeFile.h"

#include <string>

// A database file's bytes on their way to disk through a CSafeFile: the old
// file of that name is replaced only by a complete, flushed new one, and a
// read-only one is not replaced at all. Errors read "Cannot write to
// <target>", followed by the system's reason when the file could be made but
// not completed.
class CAtomicFileSink final : public IByteSink
{
public:
    explicit CAtomicFileSink(std::string targetPath);

    void Write(std::span<const std::uint8_t> bytes) override;
    bool Commit() override;
    const std::string& ErrorText() const override { return m_error; }

private:
    void Fail(int error);

    std::string m_targetPath;
    CSafeFile m_file;
    std::string m_error;
    bool m_done = false;
};
