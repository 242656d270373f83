// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

// The pipe through which one launch's helper tells the program that started
// it whether the launch failed (see CDesktopLauncher): it carries the failure
// text, or nothing, and then ends.
class CLaunchReport
{
public:
    // Throws std::system_error when no pipe can be made.
    CLaunchReport();
    ~CLaunchReport();
    CLaunchReport(const CLaunchReport&) = delete;
    CLaunchReport& operator=(const CLaunchReport&) = delete;

    int WriteEnd() const noexcept { return m_writeEnd; }
    // Readable when something has arrived; for event loops that watch it.
    int ReadEnd() const noexcept { return m_readEnd; }
    // After the launch: only the helper may hold the pipe open, so that its
    // end is the pipe's end.
    void CloseWriteEnd() noexcept;

    // Takes what has arrived, waiting at most timeout for the helper to
    // finish; true once it has.
    bool Wait(std::chrono::milliseconds timeout);
    bool Finished() const noexcept { return m_finished; }
    // Known once finished: empty when the file was taken.
    const std::string& FailureText() const noexcept { return m_text; }

private:
    bool ReadAvailable();

    int m_readEnd = -1;
    int m_writeEnd = -1;
    bool m_finished = false;
    std::string m_text;
};
