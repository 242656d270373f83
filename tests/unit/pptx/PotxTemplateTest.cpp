// SPDX-License-Identifier: MIT
#include "CompoundFileWriter.h"
#include "PackageContents.h"
#include "PackageDesign.h"
#include "PackageNames.h"
#include "PptFileWriter.h"
#include "PptxFileWriter.h"
#include "SampleDocuments.h"
#include "TemplateLoader.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <pugixml.hpp>

// Office Open XML templates: the fuzz corpus's templates either applied and
// saved as a well-formed package, or refused with a reason a user can act on.

namespace {

namespace fs = std::filesystem;
using namespace SampleDocuments;

std::vector<std::uint8_t> Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kCorpus = fs::path(QUILLON_POTX_CORPUS);

class PotxTemplateTest : public ::testing::Test
{
protected:
    std::map<std::string, std::string> SaveOn(std::shared_ptr<const PackageDesign> design)
    {
        PresentationDocument document = WorkedExample();
        document.packageDesign = std::move(design);
        CPptxFileWriter().Write(document, m_path.string(), 24);
        return ReadPackage(m_path.string());
    }

    fs::path m_folder = fs::temp_directory_path() / ("potx-test-" + std::to_string(::getpid()));
    fs::path m_path = m_folder / "Talk.pptx";

    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }
};

TEST_F(PotxTemplateTest, DamagedTemplatesAreRefusedWithTheirReason)
{
    const std::map<std::string, std::string> reasons = {
        {"bomb-declared.potx", "over 64 MB"},
        {"bomb-understated.potx", "do not match their checksum"},
        {"deep-nesting.potx", "nests its elements"},
        {"duplicate-part.potx", "twice"},
        {"entity-expansion.potx", "declares a document type"},
        {"master-refers-to-slide.potx", "template's content"},
        {"master-without-theme.potx", "has no theme"},
        {"missing-layout.potx", "is missing"},
        {"no-content-types.potx", "[Content_Types].xml"},
        {"target-outside.potx", "not a part of the package"},
        {"truncated.potx", "zip archive"},
        {"xml-too-large.potx", "more XML than a design template may"},
    };
    std::size_t refused = 0;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ok-"))
            continue;
        SCOPED_TRACE(name);
        ASSERT_TRUE(reasons.count(name)) << "no reason expected for this corpus file";
        try {
            CTemplateLoader::ReadDesign(Bytes(entry.path()), "/talks/" + name);
            ADD_FAILURE() << "applied";
        } catch (const CTemplateError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("\"/talks/" + name + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(reasons.at(name)), std::string::npos) << message;
            ++refused;
        }
    }
    EXPECT_EQ(refused, reasons.size());
}

TEST_F(PotxTemplateTest, SlidesAreBuiltOnTheTemplatesMasterLayoutsAndTheme)
{
    const auto loaded = CTemplateLoader::ReadDesign(Bytes(kCorpus / "ok-small.potx"), "small.potx");
    ASSERT_EQ(loaded->family, DesignFamily::OpenXml);
    const auto parts = SaveOn(loaded->packageDesign);
    ExpectWellFormedPackage(parts);
    // The template's picture comes along under a name of ours; its slide does not.
    EXPECT_EQ(parts.at("ppt/media/design1.png").substr(1, 3), "PNG");
    EXPECT_EQ(parts.count("ppt/slides/slide4.xml"), 0U);
    EXPECT_NE(parts.at("ppt/slideMasters/slideMaster1.xml").find("Placeholder 3"),
              std::string::npos);
    pugi::xml_document presentation;
    ASSERT_TRUE(presentation.load_string(parts.at("ppt/presentation.xml").c_str()));
    EXPECT_STREQ(presentation.select_node("//p:sldSz").node().attribute("cx").value(), "12192000");
    // Two columns: left to right as the layout places them, whatever its order.
    pugi::xml_document slide;
    ASSERT_TRUE(slide.load_string(parts.at("ppt/slides/slide3.xml").c_str()));
    const pugi::xpath_node_set ph = slide.select_nodes("//p:ph");
    ASSERT_EQ(ph.size(), 3U);
    EXPECT_STREQ(ph[1].node().attribute("idx").value(), "1");
    EXPECT_STREQ(ph[2].node().attribute("idx").value(), "2");
    EXPECT_NE(parts.at("ppt/slides/_rels/slide3.xml.rels").find("slideLayout3.xml"),
              std::string::npos);

    const auto external =
        CTemplateLoader::ReadDesign(Bytes(kCorpus / "ok-external-picture.potx"), "external.potx");
    const auto linked = SaveOn(external->packageDesign);
    ExpectWellFormedPackage(linked);
    EXPECT_NE(linked.at("ppt/slideMasters/_rels/slideMaster1.xml.rels")
                  .find("Target=\"http://example.com/a.png\" TargetMode=\"External\""),
              std::string::npos);
}

TEST_F(PotxTemplateTest, WithoutATwoColumnLayoutTheColumnsSplitTheTextLayoutsBody)
{
    const auto loaded = CTemplateLoader::ReadDesign(Bytes(kCorpus / "ok-no-two-column-layout.potx"),
                                                    "one-column.potx");
    const auto parts = SaveOn(loaded->packageDesign);
    ExpectWellFormedPackage(parts);
    EXPECT_NE(parts.at("ppt/slides/_rels/slide3.xml.rels").find("slideLayout2.xml"),
              std::string::npos);
    pugi::xml_document slide;
    ASSERT_TRUE(slide.load_string(parts.at("ppt/slides/slide3.xml").c_str()));
    const pugi::xpath_node_set offsets = slide.select_nodes("//p:spPr/a:xfrm/a:off");
    ASSERT_EQ(offsets.size(), 2U);
    // The master's body: 4,000,000 EMU wide from 457,200, a 25th of it between the halves.
    EXPECT_STREQ(offsets[0].node().attribute("x").value(), "457200");
    EXPECT_STREQ(offsets[1].node().attribute("x").value(), "2537200");

    // A presentation we saved serves as a template in turn.
    const auto again = CTemplateLoader().Load(m_path.string());
    ASSERT_EQ(again->family, DesignFamily::OpenXml);
    EXPECT_EQ(again->packageDesign->layouts[2].part, "ppt/slideLayouts/slideLayout2.xml");
}

TEST_F(PotxTemplateTest, EachFamilyIsRefusedInTheOthersFileLeavingNoFile)
{
    PresentationDocument document = WorkedExample();
    document.packageDesign =
        CTemplateLoader::ReadDesign(Bytes(kCorpus / "ok-small.potx"), "small.potx")->packageDesign;
    const fs::path ppt = m_folder / "Talk.ppt";
    EXPECT_THROW(CPptFileWriter().Write(document, ppt.string(), 1), CSaveError);
    EXPECT_FALSE(fs::exists(ppt));

    document.packageDesign = nullptr;
    document.design =
        CTemplateLoader::ReadDesign(CPptFileWriter::Build(WorkedExample()), "d.pot")->design;
    EXPECT_THROW(CPptxFileWriter().Write(document, m_path.string(), 24), CSaveError);
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(PotxTemplateTest, AnEncryptedPackageIsRefusedAsPasswordProtected)
{
    CCompoundFileWriter file;
    file.AddStream("EncryptedInfo", std::vector<std::uint8_t>(16, 1));
    file.AddStream("EncryptedPackage", std::vector<std::uint8_t>(64, 2));
    try {
        CTemplateLoader::ReadDesign(file.Finish(), "locked.potx");
        ADD_FAILURE() << "applied";
    } catch (const CTemplateError& error) {
        EXPECT_NE(std::string(error.what()).find("password"), std::string::npos) << error.what();
    }
}

TEST(PackageNamesTest, TargetsResolveInsideThePackageOnly)
{
    using PackageNames::ResolveTarget;
    EXPECT_EQ(ResolveTarget("ppt/slideMasters/m.xml", "../media/image%201.png"),
              "ppt/media/image 1.png");
    EXPECT_EQ(ResolveTarget("ppt/slideMasters/m.xml", "/ppt/theme/./t.xml"), "ppt/theme/t.xml");
    for (const char* target : {"../../../etc/passwd", "file:///etc/passwd", "a//b",
                               "%2e%2e/%2e%2e/%2e%2e/x", "..%5C..%5Cx", "a#b", "", "%zz"})
        EXPECT_EQ(ResolveTarget("ppt/slideMasters/m.xml", target), std::nullopt) << target;
}

} // namespace
