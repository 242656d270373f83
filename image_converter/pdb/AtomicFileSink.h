#pragma once

#include "ByteSink.h"
#include "FileDescriptor.h"

#include <string>

// Writes a file under a temporary name in the target's folder and renames it
// over the target only once every byte is out, so a failure at any point
// leaves an old file of that name as it was and no temporary file behind.
// Errors read "Cannot write to <target>", followed by the system's reason
// when the file could be created but not completed.
class CAtomicFileSink final : public IByteSink
{
public:
    explicit CAtomicFileSink(std::string targetPath);
    ~CAtomicFileSink() override;
    CAtomicFileSink(const CAtomicFileSink&) = delete;
    CAtomicFileSink& operator=(const CAtomicFileSink&) = delete;

    void Write(std::span<const std::uint8_t> bytes) override;
    bool Commit() override;
    const std::string& ErrorText() const override { return m_error; }

private:
    void CreateTemporary();
    void Fail(int error);
    void Discard() noexcept;

    std::string m_targetPath;
    std::string m_temporaryPath;
    CFileDescriptor m_file;
    std::string m_error;
    bool m_done = false;
};
