// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Store an unsigned integer high byte first at a position of a buffer; the
// bytes around it are left as they are. The position must leave room for the
// whole value.
void WriteBigEndian16(std::span<std::uint8_t> buffer, std::size_t position, std::uint16_t value);
void WriteBigEndian32(std::span<std::uint8_t> buffer, std::size_t position, std::uint32_t value);
