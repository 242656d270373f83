// SPDX-License-Identifier: MIT
#include "Utf8Text.h"

#include <array>
#include <cstdint>

namespace {

// Windows-1252 at 0x80..0x9F; its five unassigned bytes keep their Latin-1
// control code points.
constexpr std::array<char32_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char byte) noexcept
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence at the start of text, or 0. Rules
// out overlong forms, surrogates and code points beyond U+10FFFF.
std::size_t SequenceLength(std::string_view text) noexcept
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i])))
            return 0;
    }
    return length;
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

char32_t FromWindows1252(unsigned char byte) noexcept
{
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80u] : byte;
}

std::size_t AsciiRunLength(std::string_view text) noexcept
{
    std::size_t length = 0;
    while (length < text.size() && static_cast<unsigned char>(text[length]) < 0x80)
        ++length;
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t ascii = AsciiRunLength(text.substr(i));
        const std::size_t length = ascii > 0 ? ascii : SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string ToValidUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // Runs of ASCII, nearly all of a typical note, go over in one piece.
        const std::size_t ascii = AsciiRunLength(text.substr(i));
        if (ascii > 0) {
            out.append(text.substr(i, ascii));
            i += ascii;
            continue;
        }
        const std::size_t length = SequenceLength(text.substr(i));
        if (length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            // Only bytes of 0x80 and above get here; each becomes two or three bytes.
            AppendUtf8(out, FromWindows1252(static_cast<unsigned char>(text[i])));
            ++i;
        }
    }
    return out;
}

std::size_t CharacterBoundaryAtOrBefore(std::string_view text, std::size_t offset) noexcept
{
    if (offset >= text.size())
        return text.size();
    while (offset > 0 && IsContinuation(static_cast<unsigned char>(text[offset])))
        --offset;
    return offset;
}
