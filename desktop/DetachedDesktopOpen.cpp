// SPDX-License-Identifier: MIT
#include "DetachedDesktopOpen.h"

#include <unistd.h>

CDetachedDesktopOpen::CDetachedDesktopOpen(int reportDescriptor, std::string linePrefix,
                                           CDesktopLauncher launcher)
    : m_report(reportDescriptor), m_linePrefix(std::move(linePrefix)),
      m_launcher(std::move(launcher))
{}

void CDetachedDesktopOpen::Open(const std::string& path, const std::string& failureText) noexcept
{
    try {
        const std::string line = m_linePrefix + failureText + "\n";
        if (!m_launcher.Launch(path, m_report, line)) {
            // Nothing was started, so nobody else will say it.
            [[maybe_unused]] const ssize_t written = ::write(m_report, line.data(), line.size());
        }
    } catch (const std::exception&) {
        // Out of memory for the line: there is no way left to tell anyone.
    }
}
