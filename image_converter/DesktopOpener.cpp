// SPDX-License-Identifier: MIT
#include "DesktopOpener.h"

CDesktopOpener::CDesktopOpener(CDesktopLauncher launcher) : m_launcher(std::move(launcher)) {}

// The program ends right after the hand-off, so it waits for the outcome
// here; the install tool, which may keep running, is not waited for.
bool CDesktopOpener::OpenFile(const std::string& path)
{
    return m_launcher.OpenAndWait(path);
}
