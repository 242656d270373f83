#include "NoteText.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined keep their own value, as the platform's conversion does.
constexpr std::array<char32_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& text, char32_t code)
{
    const auto unit = [](char32_t bits) {
        return static_cast<char>(bits);
    };
    if (code < 0x800) {
        text += unit(0xC0 | (code >> 6));
    } else {
        text += unit(0xE0 | (code >> 12));
        text += unit(0x80 | ((code >> 6) & 0x3F));
    }
    text += unit(0x80 | (code & 0x3F));
}

// The length of the well-formed UTF-8 sequence at the start of text; 0 when
// none starts there.
std::size_t SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint8_t>(text[i]);
    };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;   // no overlong forms
        high = lead == 0xED ? 0x9F : high; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(i);
        const bool fits = i == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
        if (!fits)
            return 0;
    }
    return length;
}

} // namespace

std::string NoteBytesToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    std::size_t position = 0;
    while (position < bytes.size()) {
        const std::size_t length = SequenceLength(bytes.substr(position));
        if (length > 0) {
            text.append(bytes.substr(position, length));
            position += length;
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(bytes[position++]);
        AppendUtf8(text, byte < 0xA0 ? Windows1252High[byte - 0x80u] : char32_t{byte});
    }
    return text;
}
