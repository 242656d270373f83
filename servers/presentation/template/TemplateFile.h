// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a design template file, of either family. Throws
// CTemplateError when it is not a regular file, cannot be read or is larger
// than kMaxTemplateFileSize.
std::vector<std::uint8_t> ReadTemplateFile(const std::string& fileName);

// Templates are a few hundred kilobytes; anything far larger is not one.
inline constexpr std::uintmax_t kMaxTemplateFileSize = 64u << 20;

// Throws the CTemplateError every refusal of a template ends in.
[[noreturn]] void FailTemplate(const std::string& fileName, const std::string& reason);
