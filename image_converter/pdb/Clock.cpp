// SPDX-License-Identifier: MIT
#include "Clock.h"

#include <chrono>

std::int64_t CSystemClock::UnixSeconds() const
{
    const auto now = std::chrono::system_clock::now();
    return std::chrono::floor<std::chrono::seconds>(now.time_since_epoch()).count();
}
