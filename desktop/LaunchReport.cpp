// SPDX-License-Identifier: MIT
#include "LaunchReport.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace {

// A report is one message; a helper that writes more is not heard out.
constexpr std::size_t kMaxReport = 64 * 1024;

} // namespace

CLaunchReport::CLaunchReport()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    ::fcntl(m_readEnd, F_SETFL, O_NONBLOCK);
}

CLaunchReport::~CLaunchReport()
{
    CloseWriteEnd();
    ::close(m_readEnd);
}

void CLaunchReport::CloseWriteEnd() noexcept
{
    if (m_writeEnd >= 0)
        ::close(m_writeEnd);
    m_writeEnd = -1;
}

bool CLaunchReport::ReadAvailable()
{
    char buffer[4096];
    while (!m_finished) {
        const ssize_t n = ::read(m_readEnd, buffer, sizeof buffer);
        if (n > 0) {
            m_text.append(buffer, std::min(static_cast<std::size_t>(n),
                                           kMaxReport - std::min(kMaxReport, m_text.size())));
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            m_finished = true;
        } else if (errno == EAGAIN) {
            break;
        }
    }
    return m_finished;
}

bool CLaunchReport::Wait(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ReadAvailable()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd watched{m_readEnd, POLLIN, 0};
        ::poll(&watched, 1, static_cast<int>(left.count()));
    }
    return m_finished;
}
