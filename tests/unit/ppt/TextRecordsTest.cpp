// SPDX-License-Identifier: MIT
#include "TextRecords.h"

#include "RecordReader.h"
#include "RecordWriter.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Write(const CTextRecords& text)
{
    CRecordWriter writer;
    text.Write(writer);
    return writer.Take();
}

Bytes Payload(const Bytes& bytes, const RecordNode& node)
{
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(node.PayloadOffset());
    return Bytes(begin, begin + node.length);
}

TEST(TextEncoding, KeepsEveryCharacterThroughUtf16)
{
    const std::string text = "Caf\u00e9 \u2013 \u6771\u4eac \U0001F600";
    const std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units, (std::u16string{u'C', u'a', u'f', 0x00E9, u' ', 0x2013, u' ', 0x6771, 0x4EAC,
                                     u' ', 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(units), text);
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              (std::u16string{u'a', 0xFFFD, u'b'}));
    EXPECT_EQ(Utf8ToUtf16("\xC3"), std::u16string{0xFFFD});          // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), std::u16string{0xFFFD});      // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), std::u16string{0xFFFD});  // surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\uFFFDx"); // lone surrogate
}

// The body of the format note's worked example, to the byte.
TEST(TextRecords, WorkedExampleBody)
{
    const Bytes bytes = Write(CTextRecords(
        TextType::Body, 1, {{"Point one", 1}, {"Sub point", 2}, {"Deep", 5}, {"Back", 1}}));
    const std::vector<RecordNode> nodes = CRecordReader(bytes).ReadAll();
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].instance, 1);
    EXPECT_EQ(Payload(bytes, nodes[0]), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(nodes[1].type, 0x0FA0);
    EXPECT_EQ(nodes[1].length, 2u * 29u);
    EXPECT_EQ(bytes[nodes[1].PayloadOffset() + 2 * 9], 0x0D); // paragraph mark after "Point one"
    EXPECT_EQ(Payload(bytes, nodes[2]),
              (Bytes{10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0,  0, 0, 0, 5, 0, 0, 0,
                     4,  0, 0, 0, 0, 0, 5, 0, 0, 0, 0,  0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TextRecords, LevelsOutsideOneToFiveAreClamped)
{
    EXPECT_EQ(CTextRecords::StoredLevel(0), 0); // a lone "." in a note
    EXPECT_EQ(CTextRecords::StoredLevel(1), 0);
    EXPECT_EQ(CTextRecords::StoredLevel(5), 4);
    EXPECT_EQ(CTextRecords::StoredLevel(9), 4);
    EXPECT_EQ(CTextRecords::StoredLevel(-3), 0);
}

// A line end inside one paragraph must not add a paragraph the runs do not count.
TEST(TextRecords, LineEndsInsideAParagraphBecomeLineBreaks)
{
    const Bytes bytes = Write(CTextRecords(TextType::Body, 0, {{"a\r\nb\nc", 1}, {"d", 2}}));
    const std::vector<RecordNode> nodes = CRecordReader(bytes).ReadAll();
    const Bytes chars = Payload(bytes, nodes[1]);
    EXPECT_EQ(chars, (Bytes{'a', 0, 0x0B, 0, 'b', 0, 0x0B, 0, 'c', 0, 0x0D, 0, 'd', 0}));
    const Bytes style = Payload(bytes, nodes[2]);
    EXPECT_EQ(style[0], 6); // "a⤶b⤶c" and its mark
    EXPECT_EQ(style[10], 2);
    EXPECT_EQ(style[20], 8); // all seven characters and the final mark

    // The same through the path of text beyond ASCII.
    const Bytes wide = Write(CTextRecords(TextType::Body, 0, {{"\xC3\xA9\r\nb\n", 1}}));
    EXPECT_EQ(Payload(wide, CRecordReader(wide).ReadAll()[1]),
              (Bytes{0xE9, 0, 0x0B, 0, 'b', 0, 0x0B, 0}));
}

// Plain ASCII goes over as it is, tested eight bytes at a time: a line end,
// a NUL or a letter beyond ASCII anywhere in a long paragraph still takes
// the converting path.
TEST(TextRecords, LongParagraphsAreConvertedWhereverTheOddCharacterIs)
{
    const std::string plain = "0123456789abcdefghi";
    for (std::size_t at = 0; at < plain.size(); ++at) {
        for (const auto& [odd, stored] : {std::pair<std::string, Bytes>{"\n", {0x0B, 0}},
                                          {std::string(1, '\0'), {}},
                                          {"\xC3\xA9", {0xE9, 0}}}) {
            Bytes expected;
            for (std::size_t i = 0; i < plain.size(); ++i) {
                if (i == at)
                    expected.insert(expected.end(), stored.begin(), stored.end());
                expected.insert(expected.end(), {static_cast<std::uint8_t>(plain[i]), 0});
            }
            const Bytes bytes = Write(CTextRecords(
                TextType::Body, 0, {{plain.substr(0, at) + odd + plain.substr(at), 1}}));
            EXPECT_EQ(Payload(bytes, CRecordReader(bytes).ReadAll()[1]), expected) << at;
        }
    }
}

TEST(TextRecords, OnlyAnUntouchedPlaceholderHasNoText)
{
    EXPECT_FALSE(CTextRecords::HasText({{"", 1}}));
    EXPECT_FALSE(CTextRecords::HasText({}));
    EXPECT_TRUE(CTextRecords::HasText({{"x", 1}}));
    EXPECT_TRUE(CTextRecords::HasText({{"", 1}, {"", 1}}));
}

} // namespace
