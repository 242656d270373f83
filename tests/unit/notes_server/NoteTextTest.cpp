#include "NoteText.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(NoteText, WellFormedUtf8PassesUnchanged)
{
    const std::string text = "Plan \xE2\x80\x93 caf\xC3\xA9 \xF0\x9F\x93\x9D\r\n\0end"s;
    EXPECT_EQ(NoteBytesToUtf8(text), text);
    EXPECT_EQ(NoteBytesToUtf8(""), "");
}

TEST(NoteText, OtherBytesAreReadAsWindows1252)
{
    EXPECT_EQ(NoteBytesToUtf8("\x80 \x85 \x99 \xA0\xFF"),
              "\xE2\x82\xAC \xE2\x80\xA6 \xE2\x84\xA2 \xC2\xA0\xC3\xBF");
    // Undefined in the code page: the byte keeps its value.
    EXPECT_EQ(NoteBytesToUtf8("\x8D\x9D"), "\xC2\x8D\xC2\x9D");
}

TEST(NoteText, IllFormedSequencesFallBackByteByByte)
{
    // Overlong slash, an encoded surrogate, a lead byte cut by the end, a
    // value past U+10FFFF, and a stray continuation byte.
    EXPECT_EQ(NoteBytesToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(NoteBytesToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(NoteBytesToUtf8("ok\xE2\x80"), "ok\xC3\xA2\xE2\x82\xAC");
    EXPECT_EQ(NoteBytesToUtf8("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(NoteBytesToUtf8("a\xBF"), "a\xC2\xBF");
    // A valid sequence right after a broken one is kept whole.
    EXPECT_EQ(NoteBytesToUtf8("\xE2\xC3\xA9"), "\xC3\xA2\xC3\xA9");
}

} // namespace
