// SPDX-License-Identifier: MIT
#include "DesignParts.h"

#include "DesignDescriptionFile.h"
#include "PackageContents.h"
#include "TextEncoding.h"

#include <fstream>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sstream>

// The theme and master of a package carry a design description as the .ppt
// writer's master does: the shipped quillon.potx is the proof that matters.

namespace {

using Parts = std::map<std::string, std::string>;

DesignDescription Described(const std::string& text)
{
    std::istringstream in(text);
    return ReadDesignDescription(in, "design.ini");
}

pugi::xml_document Parse(const std::string& xml)
{
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
    return document;
}

std::string Value(const pugi::xml_document& document, const std::string& path,
                  const char* attribute = "val")
{
    return document.select_node(path.c_str()).node().attribute(attribute).value();
}

// What a theme and a master say of the description's values, one line each.
void ExpectCarries(const std::string& themeXml, const std::string& masterXml,
                   const DesignDescription& design, const std::string& bullet2)
{
    const pugi::xml_document theme = Parse(themeXml);
    const pugi::xml_document master = Parse(masterXml);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", design.TitleRgb());
    EXPECT_EQ(Value(theme, "//a:clrScheme/a:dk2/a:srgbClr"), hex);
    std::snprintf(hex, sizeof hex, "%06X", design.BackgroundRgb());
    EXPECT_EQ(Value(theme, "//a:clrScheme/a:lt1/a:srgbClr"), hex);
    std::snprintf(hex, sizeof hex, "%06X", design.TextRgb());
    EXPECT_EQ(Value(theme, "//a:clrScheme/a:dk1/a:srgbClr"), hex);
    EXPECT_EQ(Value(theme, "//a:majorFont/a:latin", "typeface"), Utf16ToUtf8(design.titleFont));
    EXPECT_EQ(Value(theme, "//a:minorFont/a:latin", "typeface"), Utf16ToUtf8(design.bodyFont));

    const std::string title = "//p:titleStyle/a:lvl1pPr/a:defRPr";
    EXPECT_EQ(Value(master, title, "sz"), std::to_string(design.titleSize * 100));
    EXPECT_EQ(Value(master, title, "b"), design.titleBold ? "1" : "");
    EXPECT_EQ(Value(master, title + "/a:solidFill/a:schemeClr"), "tx2");
    EXPECT_EQ(Value(master, title + "/a:latin", "typeface"), "+mj-lt");
    EXPECT_EQ(Value(master, "//p:bodyStyle/a:lvl4pPr/a:defRPr", "sz"),
              std::to_string(design.bodyLevels[3].fontSize * 100));
    EXPECT_EQ(Value(master, "//p:bodyStyle/a:lvl2pPr/a:buChar", "char"), bullet2);
}

TEST(DesignParts, ThemeAndMasterCarryTheDescribedColoursFontsSizesAndBullets)
{
    const DesignDescription design =
        Described("[colours]\ntitle = #A01020\nbackground = #000010\naccent = #00FF00\n"
                  "bullet = #FF0000\n[fonts]\ntitle = Georgia\nbody = Verdana\n[title]\n"
                  "size = 36\nbold = yes\n[body]\nlevel2 = 22 \xE2\x96\xAA\nlevel4 = 17 -\n");
    ExpectCarries(DesignParts::ThemeXml(design), DesignParts::MasterXml(design), design,
                  "\xE2\x96\xAA");
    // A bullet colour of its own is written as it is; one that is the
    // accent follows the theme.
    const pugi::xml_document master = Parse(DesignParts::MasterXml(design));
    EXPECT_EQ(Value(master, "//p:bodyStyle/a:lvl1pPr/a:buClr/a:srgbClr"), "FF0000");
    const pugi::xml_document plain = Parse(DesignParts::MasterXml({}));
    EXPECT_EQ(Value(plain, "//p:bodyStyle/a:lvl1pPr/a:buClr/a:schemeClr"), "accent1");
    EXPECT_EQ(Value(plain, "//p:titleStyle/a:lvl1pPr/a:defRPr", "b"), "");
}

TEST(DesignParts, TheShippedOpenXmlTemplateIsAWellFormedTemplateOfTheShippedDesign)
{
    const Parts parts = ReadPackage(QUILLON_DEFAULT_OPEN_XML_TEMPLATE);
    ExpectWellFormedPackage(parts);
    const pugi::xml_document types = Parse(parts.at("[Content_Types].xml"));
    EXPECT_EQ(Value(types, "//Override[@PartName='/ppt/presentation.xml']", "ContentType"),
              "application/vnd.openxmlformats-officedocument.presentationml.template.main+xml");
    EXPECT_FALSE(Parse(parts.at("ppt/presentation.xml")).select_node("//p:sldIdLst"));
    for (const auto& [name, bytes] : parts)
        EXPECT_EQ(name.find("ppt/slides/"), std::string::npos) << name;

    std::ifstream in(QUILLON_DESIGN_DESCRIPTION);
    const DesignDescription design = ReadDesignDescription(in, QUILLON_DESIGN_DESCRIPTION);
    ASSERT_NE(design.titleFont, design.bodyFont) << "the description no longer tells them apart";
    ExpectCarries(parts.at("ppt/theme/theme1.xml"), parts.at("ppt/slideMasters/slideMaster1.xml"),
                  design, "\xE2\x80\x93");
}

} // namespace
