// SPDX-License-Identifier: MIT
#include "AtomicFileSink.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

CAtomicFileSink::CAtomicFileSink(std::string targetPath)
    : m_targetPath(std::move(targetPath)), m_file(m_targetPath)
{
    // The file could not be opened for writing: the one failure the
    // converter names without a reason.
    if (m_file.Descriptor() < 0)
        m_error = "Cannot write to " + m_targetPath;
}

void CAtomicFileSink::Write(std::span<const std::uint8_t> bytes)
{
    if (!m_error.empty() || m_done)
        return;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_file.Descriptor(), bytes.data(), bytes.size());
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
    m_done = true;
    if (m_error.empty() && !m_file.Commit())
        m_error = "Cannot write to " + m_targetPath + ": " + m_file.Error();
    return m_error.empty();
}

void CAtomicFileSink::Fail(int error)
{
    if (m_error.empty())
        m_error = "Cannot write to " + m_targetPath + ": " + std::strerror(error);
}
