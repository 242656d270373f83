// SPDX-License-Identifier: MIT
#include "Utf8Text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(Utf8Text, WellFormedUtf8PassesUnchanged)
{
    const std::string text = "Plan \xE2\x80\x93 caf\xC3\xA9 \xF0\x9F\x93\x9D\r\n\0end"s;
    EXPECT_EQ(ToValidUtf8(text), text);
    EXPECT_EQ(ToValidUtf8(""), "");
}

TEST(Utf8Text, OtherBytesAreReadAsWindows1252)
{
    EXPECT_EQ(ToValidUtf8("\x80 \x85 \x99 \xA0\xFF"),
              "\xE2\x82\xAC \xE2\x80\xA6 \xE2\x84\xA2 \xC2\xA0\xC3\xBF");
    // Undefined in the code page: the byte keeps its value.
    EXPECT_EQ(ToValidUtf8("\x8D\x9D"), "\xC2\x8D\xC2\x9D");
}

TEST(Utf8Text, IllFormedSequencesFallBackByteByByte)
{
    // Overlong slash, an encoded surrogate, a lead byte cut by the end, a
    // value past U+10FFFF, and a stray continuation byte.
    EXPECT_EQ(ToValidUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(ToValidUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(ToValidUtf8("ok\xE2\x80"), "ok\xC3\xA2\xE2\x82\xAC");
    EXPECT_EQ(ToValidUtf8("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(ToValidUtf8("a\xBF"), "a\xC2\xBF");
    // A valid sequence right after a broken one is kept whole, and a
    // sequence cut short by a plain character gives that character back.
    EXPECT_EQ(ToValidUtf8("\xE2\xC3\xA9"), "\xC3\xA2\xC3\xA9");
    EXPECT_EQ(ToValidUtf8("\xC3x"), "\xC3\x83x");
}

TEST(Utf8Text, CutsFallOnCharacterBoundaries)
{
    const std::string text = "a\xC3\xA9\xF0\x9F\x93\x9D"; // a, e-acute, a four-byte emoji
    EXPECT_EQ(CharacterBoundaryAtOrBefore(text, 0), 0u);
    EXPECT_EQ(CharacterBoundaryAtOrBefore(text, 2), 1u);
    EXPECT_EQ(CharacterBoundaryAtOrBefore(text, 3), 3u);
    EXPECT_EQ(CharacterBoundaryAtOrBefore(text, 6), 3u);
    EXPECT_EQ(CharacterBoundaryAtOrBefore(text, 99), text.size());
}

} // namespace
