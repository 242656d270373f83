// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopLauncher.h"
#include "DesktopOpenAction.h"

#include <string>

// For a program that may end before the outcome is known: the launch's
// helper writes the failure as one line to the given descriptor (standard
// error for a command line), prefixed as the program prefixes its messages.
class CDetachedDesktopOpen final : public IDesktopOpenAction
{
public:
    CDetachedDesktopOpen(int reportDescriptor, std::string linePrefix,
                         CDesktopLauncher launcher = CDesktopLauncher());

    void Open(const std::string& path, const std::string& failureText) noexcept override;

private:
    int m_report;
    std::string m_linePrefix;
    CDesktopLauncher m_launcher;
};
