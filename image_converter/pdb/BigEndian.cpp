// SPDX-License-Identifier: MIT
#include "BigEndian.h"

#include <cassert>

void WriteBigEndian16(std::span<std::uint8_t> buffer, std::size_t position, std::uint16_t value)
{
    assert(position + 2 <= buffer.size());
    buffer[position] = static_cast<std::uint8_t>(value >> 8);
    buffer[position + 1] = static_cast<std::uint8_t>(value);
}

void WriteBigEndian32(std::span<std::uint8_t> buffer, std::size_t position, std::uint32_t value)
{
    assert(position + 4 <= buffer.size());
    buffer[position] = static_cast<std::uint8_t>(value >> 24);
    buffer[position + 1] = static_cast<std::uint8_t>(value >> 16);
    buffer[position + 2] = static_cast<std::uint8_t>(value >> 8);
    buffer[position + 3] = static_cast<std::uint8_t>(value);
}
