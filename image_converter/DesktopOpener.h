// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopLauncher.h"

#include <string>

// The desktop's "open" action for a file. For a Palm database it is expected
// to start the install tool, which copies the database to the handheld.
class IDesktopOpener
{
public:
    virtual ~IDesktopOpener() = default;
    // False when nothing on the desktop took the file.
    virtual bool OpenFile(const std::string& path) = 0;
};

class CDesktopOpener final : public IDesktopOpener
{
public:
    explicit CDesktopOpener(CDesktopLauncher launcher = CDesktopLauncher());

    bool OpenFile(const std::string& path) override;

private:
    CDesktopLauncher m_launcher;
};
