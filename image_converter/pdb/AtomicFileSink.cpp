#include "AtomicFileSink.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

// Keeps the temporary name within the file system's name limit even when the
// target's own name is close to it.
constexpr std::size_t kMaxBaseNameInTemporary = 200;
constexpr int kCreateAttempts = 100;

std::string TemporaryPathFor(const std::string& targetPath, int attempt)
{
    const std::size_t slash = targetPath.rfind('/');
    const std::size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = targetPath.substr(0, baseStart);
    const std::string base = targetPath.substr(baseStart, kMaxBaseNameInTemporary);

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%ld-%llx-%d.tmp", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(ticks), attempt);
    return folder + "." + base + suffix;
}

} // namespace

CAtomicFileSink::CAtomicFileSink(std::string targetPath) : m_targetPath(std::move(targetPath))
{
    CreateTemporary();
}

CAtomicFileSink::~CAtomicFileSink()
{
    if (!m_done)
        Discard();
}

void CAtomicFileSink::CreateTemporary()
{
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string path = TemporaryPathFor(m_targetPath, attempt);
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            m_file = CFileDescriptor(descriptor);
            m_temporaryPath = std::move(path);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    m_error = "Cannot write to " + m_targetPath;
}

void CAtomicFileSink::Write(std::span<const std::uint8_t> bytes)
{
    if (!m_error.empty() || m_done)
        return;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_file.Get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
            return;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

bool CAtomicFileSink::Commit()
{
    if (m_done)
        return m_error.empty();
    if (m_error.empty() && !m_file.Close())
        Fail(errno);
    if (m_error.empty() && ::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0)
        Fail(errno);
    if (!m_error.empty())
        Discard();
    m_done = true;
    return m_error.empty();
}

void CAtomicFileSink::Fail(int error)
{
    if (m_error.empty())
        m_error = "Cannot write to " + m_targetPath + ": " + std::strerror(error);
}

void CAtomicFileSink::Discard() noexcept
{
    m_file.Close();
    if (!m_temporaryPath.empty())
        ::unlink(m_temporaryPath.c_str());
    m_temporaryPath.clear();
}
