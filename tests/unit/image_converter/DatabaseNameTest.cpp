// SPDX-License-Identifier: MIT
#include "DatabaseName.h"

#include <gtest/gtest.h>

namespace {

TEST(DatabaseNameTest, TakesTheFileNameAfterTheLastSlash)
{
    EXPECT_EQ(MakeDatabaseName("/home/ann/pics/Logo.gif"), "(ram) Logo.gif");
    EXPECT_EQ(MakeDatabaseName("Logo.gif"), "(ram) Logo.gif");
    EXPECT_EQ(MakeDatabaseName("/pics/a\\b.gif"), "(ram) a\\b.gif") << "a backslash is a letter";
}

TEST(DatabaseNameTest, CarriesCharactersOverIntoTheHandheldsLatinSet)
{
    const struct
    {
        const char* utf8;
        const char* handheld;
    } cases[] = {
        {"caf\u00e9", "caf\xe9"},                           // Latin-1 letter: its own byte
        {"cafe\u0301", "cafe"},                             // decomposed: the accent is dropped
        {"\u0152uvre \u201cx\u201d", "\x8cuvre \x93x\x94"}, // Windows-1252 extras
        {"\u20ac \u017d\u017e", "? ??"},     // bytes the handheld shows as its own symbols
        {"\u65e5\u672c \U0001F600", "?? ?"}, // one "?" a character, however long
        {"a\xff"
         "b\xc0\xaf"
         "c\xe2\x82",
         "a?b?c?"}, // not UTF-8, overlong, cut short
        {"tab\there", "tab?here"},
    };
    for (const auto& [utf8, handheld] : cases)
        EXPECT_EQ(ToHandheldCharacters(utf8), handheld) << utf8;
}

TEST(DatabaseNameTest, CutsAtACharacterAfterConversion)
{
    // 21 two-byte characters: 42 bytes of UTF-8 but 27 characters with the prefix.
    std::string name;
    for (int i = 0; i < 21; ++i)
        name += "\u00e9";
    EXPECT_EQ(MakeDatabaseName("/x/" + name + ".gif"), "(ram) " + std::string(21, '\xe9') + ".gif");
    EXPECT_EQ(MakeDatabaseName("/x/" + name + "\u00e9.gif"),
              "(ram) " + std::string(21, '\xe9') + ".gif");
}

} // namespace
