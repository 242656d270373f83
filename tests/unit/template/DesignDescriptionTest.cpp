// SPDX-License-Identifier: MIT
#include "DesignDescriptionFile.h"
#include "PptPackager.h"
#include "RecordReader.h"
#include "TemplateReader.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

DesignDescription Read(const std::string& text)
{
    std::istringstream in(text);
    return ReadDesignDescription(in, "design.ini");
}

std::string ErrorOf(const std::string& text)
{
    try {
        Read(text);
    } catch (const CDesignDescriptionError& error) {
        return error.what();
    }
    return "no error";
}

TEST(DesignDescription, TakesTheDescribedValuesAndKeepsTheRest)
{
    const DesignDescription design = Read("# comment\n[colours]\nbackground = #102030\n"
                                          "bullet = #ABCDEF\n[fonts]\ntitle = Georgia\n"
                                          "[title]\nsize = 36\nbold = yes\n"
                                          "[body]\nlevel3 = 19 \xE2\x96\xAA\n");
    EXPECT_EQ(design.BackgroundRgb(), 0x102030u);
    EXPECT_EQ(design.bulletRgb, 0xABCDEFu);
    EXPECT_EQ(design.TextRgb(), DefaultDesign::kTextRgb);
    EXPECT_EQ(design.titleFont, u"Georgia");
    EXPECT_EQ(design.bodyFont, u"Arial");
    EXPECT_EQ(design.TitleFontIndex(), 1);
    EXPECT_EQ(design.titleSize, 36);
    EXPECT_TRUE(design.titleBold);
    EXPECT_EQ(design.bodyLevels[2].fontSize, 19);
    EXPECT_EQ(design.bodyLevels[2].bullet, u'\u25AA');
    EXPECT_EQ(design.bodyLevels[1].fontSize, 24);
}

TEST(DesignDescription, MistakesNameTheLine)
{
    EXPECT_EQ(ErrorOf("[colours]\n\nbackground = blue\n"),
              "design.ini:3: a colour is written #RRGGBB, not \"blue\"");
    EXPECT_EQ(ErrorOf("[colors]\n"), "design.ini:1: there is no section [colors]");
    EXPECT_EQ(ErrorOf("size = 3\n"), "design.ini:1: \"size\" comes before any section");
    EXPECT_NE(ErrorOf("[body]\nlevel6 = 20 x\n").find("level1 to level5"), std::string::npos);
    EXPECT_NE(ErrorOf("[body]\nlevel1 = 20\n").find("one bullet character"), std::string::npos);
    EXPECT_NE(ErrorOf("[title]\nsize = 1000\n").find("4 to 400"), std::string::npos);
    EXPECT_NE(ErrorOf("[fonts]\nheading = Arial\n").find("\"heading\""), std::string::npos);
}

// A title font of its own becomes font 1 of the environment's font table.
TEST(DesignDescription, ATitleFontOfItsOwnIsTheSecondFont)
{
    const PptStreams streams =
        CPptPackager("Quillon", Read("[fonts]\ntitle = Georgia\n")).Package({});
    const CRecordReader reader(streams.document);
    const RecordNode document = reader.ReadAt(0);
    const RecordNode* fonts = document.Child(static_cast<std::uint16_t>(RecordType::Environment))
                                  ->Child(static_cast<std::uint16_t>(RecordType::FontCollection));
    ASSERT_NE(fonts, nullptr);
    ASSERT_EQ(fonts->children.size(), 2u);
    EXPECT_EQ(fonts->children[1].instance, 1);
    EXPECT_EQ(reader.U16(fonts->children[1].PayloadOffset()), u'G');

    const TemplateDesign design = CTemplateReader(streams.document, streams.currentUser).Read({});
    EXPECT_EQ(design.slides.colorScheme, DefaultDesign::kColorScheme);
}

} // namespace
