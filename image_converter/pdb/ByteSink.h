// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Where a database file's bytes go. The first failure sticks: later writes
// are ignored and Commit reports it, so the writer's code stays straight.
class IByteSink
{
public:
    virtual ~IByteSink() = default;
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    // Makes everything written the target's content. False when any step
    // failed; the target is then as it was before.
    virtual bool Commit() = 0;
    // One line that says what failed first; empty while nothing has.
    virtual const std::string& ErrorText() const = 0;
};
