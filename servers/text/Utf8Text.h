// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text as valid UTF-8. Well-formed sequences pass unchanged; a byte that
// does not start one is read as a Windows-1252 character, as text from an
// older 8-bit source would be meant, so no byte of the caller's text is lost.
std::string ToValidUtf8(std::string_view text);
// Whether ToValidUtf8 would return text unchanged.
bool IsValidUtf8(std::string_view text) noexcept;

// The largest position not after offset that starts a character of text
// (which must be valid UTF-8), so that text is never cut inside a character.
std::size_t CharacterBoundaryAtOrBefore(std::string_view text, std::size_t offset) noexcept;
