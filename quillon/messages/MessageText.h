// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Messages carry names taken from notes and paths, which may hold anything:
// a terminal must not obey control characters hidden in them, and a name of
// megabytes must not bury the message. Both programs show messages through
// this before a user reads them.
enum class MessageLayout
{
    SingleLine, // a line of a terminal: line breaks become spaces
    Box,        // a message box: line breaks stay
};

// The text with control characters written as escapes (\x1b, \u009b) and,
// beyond kMaxMessageBytes, its middle left out and marked, cut between
// characters.
std::string ReadableMessage(std::string_view text, MessageLayout layout);

inline constexpr std::size_t kMaxMessageBytes = 800;
