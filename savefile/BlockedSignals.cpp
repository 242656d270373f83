// SPDX-License-Identifier: MIT
#include "BlockedSignals.h"

#include <pthread.h>

CBlockedSignals::CBlockedSignals() noexcept
{
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signalNumber : kHandledSignals)
        sigaddset(&blocked, signalNumber);
    ::pthread_sigmask(SIG_BLOCK, &blocked, &m_previous);
}

CBlockedSignals::~CBlockedSignals()
{
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}
