// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

// Starts the desktop's open action (xdg-open) on a file without waiting for
// the program that shows it. Depending on the desktop, xdg-open hands the
// file over and ends, or runs the chosen program in the foreground until its
// window closes; either way the caller goes on at once.
//
// Whether the launch failed is decided by a helper process that nobody waits
// for: it runs the open program and watches it for a short window. When the
// program ends unsuccessfully within the window, nothing took the file (no
// program for its type, or it did not start), and the helper writes the
// failure text to the report descriptor. A program still running at the end
// of the window has taken the file, however long it then runs. Either way the
// helper then closes the descriptor, so a pipe's reader sees end-of-file once
// the outcome is known. The helper reaps the open program itself and is
// adopted by the system at once, so the caller has no child to wait for and
// no process is left behind.
class CDesktopLauncher
{
public:
    static constexpr std::chrono::milliseconds kDefaultWindow{3000};

    explicit CDesktopLauncher(std::string openProgram = "xdg-open",
                              std::chrono::milliseconds window = kDefaultWindow);

    // False when the open program is not there or no helper could be started;
    // nothing is written then, and telling the user is the caller's part.
    bool Launch(const std::string& path, int reportDescriptor,
                const std::string& failureText) const;

    // For a program that ends right after the hand-off: launches and waits
    // for the outcome, at most about the window. False when the launch failed.
    bool OpenAndWait(const std::string& path) const;

private:
    std::string m_openProgram;
    std::chrono::milliseconds m_window;
};
