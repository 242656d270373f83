// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

// The signals that end a program and that a save cleans up after.
inline constexpr int kHandledSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Holds back Ctrl-C, SIGTERM and SIGHUP in this thread for its lifetime, so a
// step of several system calls is never cut between two of them.
class CBlockedSignals
{
public:
    CBlockedSignals() noexcept;
    ~CBlockedSignals();
    CBlockedSignals(const CBlockedSignals&) = delete;
    CBlockedSignals& operator=(const CBlockedSignals&) = delete;

private:
    sigset_t m_previous{};
};
