// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Where the conversion time comes from, so that tests can fix it.
class IClock
{
public:
    virtual ~IClock() = default;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t UnixSeconds() const = 0;
};

class CSystemClock final : public IClock
{
public:
    std::int64_t UnixSeconds() const override;
};
