// SPDX-License-Identifier: MIT
#include "DatabaseName.h"

#include "PalmDatabaseFormat.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char kUnknown = '?';
constexpr std::string_view kNamePrefix = "(ram) ";
constexpr std::string_view kImageSuffix = ".gif";

struct CodeByte
{
    char32_t code;
    std::uint8_t byte;
};

// Windows-1252's letters and signs between 0x80 and 0x9F that the handheld
// shows the same way. The euro sign (0x80) and Z and z with caron (0x8E,
// 0x9E) are missing on purpose: the handheld has other symbols there.
constexpr std::array<CodeByte, 24> kUpperControlRange{{
    {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x2018, 0x91},
    {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C}, {0x0178, 0x9F},
}};

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Skips a broken sequence as a whole, so that it stands for one character.
char32_t SkipInvalid(std::string_view text, std::size_t& position)
{
    ++position;
    while (position < text.size() && IsContinuation(static_cast<unsigned char>(text[position])))
        ++position;
    return kInvalid;
}

struct SequenceShape
{
    std::size_t length; // 0 for a byte that cannot start a character
    char32_t leadBits;
    char32_t minimum; // anything below has a shorter form
};

SequenceShape ShapeOf(unsigned char lead)
{
    if (lead < 0x80)
        return {1, lead, 0};
    if (lead >= 0xC0 && lead < 0xE0)
        return {2, lead & 0x1Fu, 0x80};
    if (lead >= 0xE0 && lead < 0xF0)
        return {3, lead & 0x0Fu, 0x800};
    if (lead >= 0xF0 && lead < 0xF8)
        return {4, lead & 0x07u, 0x10000};
    return {0, 0, 0};
}

// The code point at position, which moves past it; kInvalid for bytes that
// are not well-formed UTF-8 (overlong forms and surrogates included).
char32_t DecodeUtf8(std::string_view text, std::size_t& position)
{
    const SequenceShape shape = ShapeOf(static_cast<unsigned char>(text[position]));
    if (shape.length == 0 || position + shape.length > text.size())
        return SkipInvalid(text, position);
    char32_t code = shape.leadBits;
    for (std::size_t i = 1; i < shape.length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        if (!IsContinuation(next))
            return SkipInvalid(text, position);
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < shape.minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return SkipInvalid(text, position);
    position += shape.length;
    return code;
}

bool IsCombiningAccent(char32_t code)
{
    return code >= 0x0300 && code <= 0x036F;
}

char HandheldByte(char32_t code)
{
    if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (const auto& [unicode, byte] : kUpperControlRange) {
        if (unicode == code)
            return static_cast<char>(byte);
    }
    return kUnknown;
}

} // namespace

std::string ToHandheldCharacters(std::string_view utf8Text)
{
    std::string text;
    text.reserve(utf8Text.size());
    for (std::size_t position = 0; position < utf8Text.size();) {
        const char32_t code = DecodeUtf8(utf8Text, position);
        if (!IsCombiningAccent(code))
            text += HandheldByte(code);
    }
    return text;
}

std::string MakeDatabaseName(std::string_view inputPath)
{
    const std::size_t slash = inputPath.rfind('/');
    const std::string_view fileName =
        slash == std::string_view::npos ? inputPath : inputPath.substr(slash + 1);

    std::string name(kNamePrefix);
    name += ToHandheldCharacters(fileName);
    if (name.size() > PalmDb::kMaxNameLength) {
        name.resize(PalmDb::kMaxNameLength - kImageSuffix.size());
        name += kImageSuffix;
    }
    return name;
}
