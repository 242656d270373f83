// SPDX-License-Identifier: MIT
#include "NoteMarkup.h"

#include "WorkedExample.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<std::string> CountedLines(std::string_view note)
{
    std::vector<std::string> lines;
    CNoteLineReader reader(note);
    while (const auto line = reader.Next())
        lines.emplace_back(*line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(NoteLines, BlankAndWhiteSpaceLinesTakeNoIndex)
{
    EXPECT_EQ(CountedLines(""), Lines{});
    EXPECT_EQ(CountedLines(" \t\r\n\v\f\n\n"), Lines{});
    EXPECT_EQ(CountedLines("\nfirst\n   \n\t-second \r\n"), (Lines{"first", "-second"}));
    EXPECT_EQ(CountedLines("no line feed at the end"), Lines{"no line feed at the end"});
}

TEST(NoteLines, CarriageReturnsOnlyDisappearAtTheEndsOfALine)
{
    EXPECT_EQ(CountedLines("a\r\nb\r\n"), CountedLines("a\nb\n"));
    EXPECT_EQ(CountedLines("a\rb\nc"), (Lines{"a\rb", "c"}));
}

TEST(NoteLines, OnlyTheSixAsciiWhiteSpaceBytesAreTrimmed)
{
    // A no-break space in UTF-8 (C2 A0) and in Latin-1 (A0) both stay.
    EXPECT_EQ(CountedLines("\xC2\xA0x\xC2\xA0\n"), Lines{"\xC2\xA0x\xC2\xA0"});
    EXPECT_EQ(CountedLines("\xA0"), Lines{"\xA0"});
    EXPECT_EQ(TrimNoteLine("\t\n\v\f\r x \t\n\v\f\r"), "x");
}

TEST(NoteLines, AReaderCopyContinuesOnItsOwn)
{
    CNoteLineReader reader("a\nb\nc");
    reader.Next();
    CNoteLineReader copy = reader;
    EXPECT_EQ(copy.Next(), "b");
    EXPECT_EQ(copy.Next(), "c");
    EXPECT_EQ(reader.Next(), "b");
}

TEST(OutputFileName, GetsPptAddedUnlessItEndsSoInAnyCase)
{
    EXPECT_EQ(MakeOutputFileName("Quarterly review"), "Quarterly review.ppt");
    EXPECT_EQ(MakeOutputFileName("Talk.PPT"), "Talk.PPT");
    EXPECT_EQ(MakeOutputFileName("Talk.ppt.old"), "Talk.ppt.old.ppt");
    EXPECT_EQ(MakeOutputFileName("ppt"), "ppt.ppt");
    EXPECT_EQ(MakeOutputFileName("Talk.pptx"), "Talk.pptx.ppt");
    EXPECT_EQ(MakeOutputFileName(".pPt"), ".pPt");
    // The extension follows the format.
    EXPECT_EQ(MakeOutputFileName("Budget", PresentationFormat::Pptx), "Budget.pptx");
    EXPECT_EQ(MakeOutputFileName("Talk.PPTX", PresentationFormat::Pptx), "Talk.PPTX");
    EXPECT_EQ(MakeOutputFileName("Talk.ppt", PresentationFormat::Pptx), "Talk.pptx");
    EXPECT_EQ(MakeOutputFileName("Talk.pptx.old", PresentationFormat::Pptx), "Talk.pptx.old.pptx");
}

TEST(OutputFileName, StaysOneReadableNameWhateverTheLineHolds)
{
    EXPECT_EQ(MakeOutputFileName(std::string_view("victim.txt\0x", 12)), "victim.txt_x.ppt");
    EXPECT_EQ(MakeOutputFileName("../outside"), ".._outside.ppt");
    EXPECT_EQ(MakeOutputFileName(".."), "...ppt");
    EXPECT_EQ(MakeOutputFileName("Q1/Q2\x01\x7F\xC2\x85"), "Q1_Q2___.ppt");
    EXPECT_EQ(MakeOutputFileName("Tab\there\rand"), "Tab here and.ppt");
    EXPECT_EQ(MakeOutputFileName("\xEF\xBB\xBF  Budget"), "Budget.ppt");
    EXPECT_EQ(MakeOutputFileName("Caf\xE9 \x93quoted\x94"),
              "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D.ppt")
        << "read as Windows-1252, as slide text is";
    EXPECT_EQ(MakeOutputFileName("\xE2\x82\xAC 100"), "\xE2\x82\xAC 100.ppt") << "UTF-8 stays";
}

TEST(SlideLines, OneOrTwoDashesDecideTheKindAndTheTitleKeepsItsSpaces)
{
    struct Case
    {
        const char* line;
        bool twoColumns;
        const char* afterDash;
    };
    // The two-column title is what follows the second dash; the builder
    // drops that dash when it writes the title.
    const Case cases[] = {
        {"-Agenda", false, "Agenda"},
        {"- Agenda", false, " Agenda"},
        {"--Pros and cons", true, "-Pros and cons"},
        {"-- Pros", true, "- Pros"},
        {"- -Pros", false, " -Pros"},
        {"-", false, ""},
        {"--", true, "-"},
        {"---Three", true, "--Three"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const SlideLine slide = ParseSlideLine(c.line);
        EXPECT_EQ(slide.twoColumns, c.twoColumns);
        EXPECT_EQ(slide.afterDash, c.afterDash);
    }
}

TEST(BulletLines, AtMostFourLeadingDotsThatAnotherCharacterFollows)
{
    struct Case
    {
        const char* line;
        int level;
        const char* text;
    };
    const Case cases[] = {
        {".Results", 1, "Results"},
        {"..By region", 2, "By region"},
        {"....Four deep", 4, "Four deep"},
        {".....Fragile", 4, ".Fragile"},
        {". Late", 1, " Late"},
        {".a.b", 1, "a.b"},
        {"..", 1, "."},
        {"...", 2, "."},
        {".", 0, "."},
        {".....", 4, "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const BulletLine bullet = ParseBulletLine(c.line);
        EXPECT_EQ(bullet.level, c.level);
        EXPECT_EQ(bullet.text, c.text);
    }
}

TEST(ColumnBullets, CountsTheWorkedExampleAsItsTableSays)
{
    EXPECT_EQ(CountedLines(kWorkedExampleNote).size(), 16u);
    EXPECT_EQ(CountedLines(kWorkedExampleNote)[8], "--Pros and cons");
    EXPECT_EQ(CountColumnBullets(kWorkedExampleNote, 9), 5);
}

TEST(ColumnBullets, OnlyASlideLineOrTheEndStopsTheCount)
{
    EXPECT_EQ(CountColumnBullets("f\nt\n--A\n-B\n.x", 3), 0) << "slide line right after";
    EXPECT_EQ(CountColumnBullets("f\nt\n--A", 3), 0) << "end of the note";
    EXPECT_EQ(CountColumnBullets("f\nt\n--A\n.a\nother\n.b\n\n  \n.c", 3), 3);
    EXPECT_EQ(CountColumnBullets("f\nt\n--A\n.a\n--B\n.b\n.c\n", 3), 1);
    EXPECT_EQ(CountColumnBullets("f\nt\n--A\n.a\n--B\n.b\n.c\n", 5), 2);
    EXPECT_EQ(CountColumnBullets("f\r\nt\r\n--A\r\n  .a \r\n", 3), 1);
}

TEST(ColumnBullets, LinesBeforeTheStartIndexAreNotCounted)
{
    EXPECT_EQ(CountColumnBullets(".a\n.b\n-c\n.d\n.e", 0), 2);
    EXPECT_EQ(CountColumnBullets(".a\n.b\n-c\n.d\n.e", 3), 2);
    EXPECT_EQ(CountColumnBullets(".a\n.b\n-c\n.d\n.e", 4), 1);
}

// The builder counts ahead from where its pass stands; the result must be
// the markup's count from the start of the note for every two-column slide.
TEST(ColumnBullets, TheLookAheadAgreesWithTheCountOnGeneratedNotes)
{
    std::mt19937 random(20261207);
    const char* const pieces[] = {".b", "..b", "-s",    "--d", "---x", "other", "",
                                  "  ", " .c", "\t--e", ".",   "-",    "--",    "\r"};
    for (int note = 0; note < 500; ++note) {
        std::string text;
        const int lineCount = static_cast<int>(random() % 40);
        for (int i = 0; i < lineCount; ++i) {
            text += pieces[random() % std::size(pieces)];
            text += random() % 4 == 0 ? "\r\n" : "\n";
        }
        CNoteLineReader reader(text);
        int index = 0;
        while (const auto line = reader.Next()) {
            if (index >= 2 && line->front() == '-' && ParseSlideLine(*line).twoColumns) {
                ASSERT_EQ(CountBulletsOfSlide(reader), CountColumnBullets(text, index + 1))
                    << "note:\n"
                    << text << "\nslide at index " << index;
            }
            ++index;
        }
    }
}

TEST(ColumnDivision, TheRightColumnTakesTheOddBullet)
{
    struct Case
    {
        int total;
        std::vector<std::string> columns; // placeholder of each bullet in note order
    };
    const Case cases[] = {
        {1, {"Rectangle 4"}},
        {2, {"Rectangle 3", "Rectangle 4"}},
        {3, {"Rectangle 3", "Rectangle 4", "Rectangle 4"}},
        {4, {"Rectangle 3", "Rectangle 3", "Rectangle 4", "Rectangle 4"}},
        {5, {"Rectangle 3", "Rectangle 3", "Rectangle 4", "Rectangle 4", "Rectangle 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        for (int bullet = 0; bullet < c.total; ++bullet)
            EXPECT_EQ(PlaceBullet(c.total, bullet, bullet == 0).placeholderName,
                      c.columns[static_cast<std::size_t>(bullet)]);
    }
}

TEST(ColumnDivision, EachColumnStartsWithAFirstParagraph)
{
    EXPECT_FALSE(PlaceBullet(5, 1, false).first);
    EXPECT_TRUE(PlaceBullet(5, 2, false).first);
    EXPECT_FALSE(PlaceBullet(5, 4, false).first);
    const BulletPlacement single = PlaceBullet(-1, 299, false);
    EXPECT_STREQ(single.placeholderName, "Rectangle 3");
    EXPECT_FALSE(single.first);
}

} // namespace
