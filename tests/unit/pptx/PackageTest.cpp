// SPDX-License-Identifier: MIT
#include "DesignParts.h"
#include "NameClaim.h"
#include "PackageContents.h"
#include "PackageParts.h"
#include "PptxFileWriter.h"
#include "SampleDocuments.h"
#include "TemplateDesign.h"
#include "Unprivileged.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sys/resource.h>
#include <sys/stat.h>

// The .pptx writer's packages, read back part by part as a reader would.

namespace {

namespace fs = std::filesystem;
using namespace SampleDocuments;
using Parts = std::map<std::string, std::string>;

pugi::xml_document Parse(const Parts& parts, const std::string& name)
{
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(parts.at(name).c_str())) << name;
    return document;
}

class PptxPackageTest : public ::testing::Test
{
protected:
    Parts Save(const PresentationDocument& document)
    {
        CPptxFileWriter().Write(document, m_path.string(), 24);
        return ReadPackage(m_path.string());
    }

    fs::path m_folder = fs::temp_directory_path() / ("pptx-test-" + std::to_string(::getpid()));
    fs::path m_path = m_folder / "Talk.pptx";

    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }
};

TEST_F(PptxPackageTest, EveryPartIsListedEveryTargetExistsAndEveryPartParses)
{
    const Parts parts = Save(WorkedExample());
    ExpectWellFormedPackage(parts);
    for (const char* name :
         {"ppt/slides/slide3.xml", "ppt/slideLayouts/slideLayout3.xml", "ppt/theme/theme1.xml"})
        EXPECT_TRUE(parts.count(name)) << name;
    EXPECT_FALSE(parts.count("ppt/slides/slide4.xml"));

    ExpectWellFormedPackage(Save(PresentationDocument{}));
}

// The parts that list every slide are written a batch of slides at a time.
// More slides than a .ppt holds, over many batches of the listing parts.
TEST_F(PptxPackageTest, PartsListingEverySlideListThemAllInOrderAcrossBatches)
{
    PresentationDocument document;
    for (int i = 1; i <= 4001; ++i)
        document.slides.push_back(TextSlide("Slide " + std::to_string(i), {{"point", 1}}));
    const Parts parts = Save(document);
    ExpectWellFormedPackage(parts);
    const pugi::xml_document presentation = Parse(parts, "ppt/presentation.xml");
    const pugi::xml_document rels = Parse(parts, "ppt/_rels/presentation.xml.rels");
    const pugi::xpath_node_set ids = presentation.select_nodes("//p:sldId");
    ASSERT_EQ(ids.size(), 4001U);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const pugi::xml_node id = ids[i].node();
        EXPECT_EQ(id.attribute("id").as_uint(), 256 + i);
        const std::string query = "//*[@Id='" + std::string(id.attribute("r:id").value()) + "']";
        EXPECT_EQ(std::string(rels.select_node(query.c_str()).node().attribute("Target").value()),
                  "slides/slide" + std::to_string(i + 1) + ".xml");
    }
    EXPECT_NE(parts.at("[Content_Types].xml").find("/ppt/slides/slide4001.xml"), std::string::npos);
}

TEST_F(PptxPackageTest, SlidesInheritFromTheirLayoutsWithLevelsAsParagraphLevels)
{
    const Parts parts = Save(WorkedExample());
    const pugi::xml_document rels = Parse(parts, "ppt/slides/_rels/slide3.xml.rels");
    EXPECT_STREQ(rels.document_element().first_child().attribute("Target").value(),
                 "../slideLayouts/slideLayout3.xml");
    const pugi::xml_document slide = Parse(parts, "ppt/slides/slide3.xml");
    const pugi::xpath_node_set placeholders = slide.select_nodes("//p:sp");
    ASSERT_EQ(placeholders.size(), 3U);
    const pugi::xml_node right = placeholders[2].node();
    EXPECT_STREQ(right.select_node(".//p:cNvPr").node().attribute("name").value(), "Rectangle 4");
    const pugi::xml_node ph = right.select_node(".//p:ph").node();
    EXPECT_STREQ(ph.attribute("idx").value(), "2");
    EXPECT_STREQ(ph.attribute("sz").value(), "half");
    // Position and size come from the layout, not the slide.
    EXPECT_FALSE(right.child("p:spPr").first_child());
    const pugi::xpath_node_set paragraphs = right.select_nodes(".//a:p");
    ASSERT_EQ(paragraphs.size(), 2U);
    EXPECT_FALSE(paragraphs[0].node().child("a:pPr").attribute("lvl"));
    EXPECT_STREQ(paragraphs[1].node().child("a:pPr").attribute("lvl").value(), "3");
    EXPECT_STREQ(paragraphs[1].node().select_node("a:r/a:t").node().text().get(), "Right b");
}

TEST_F(PptxPackageTest, ASlideOfThousandsOfBulletsIsWrittenABatchOfParagraphsAtATime)
{
    std::vector<TextParagraph> left;
    for (int i = 0; i < 2500; ++i)
        left.push_back({"l" + std::to_string(i), 1 + i % 5});
    PresentationDocument document;
    document.slides = {TwoColumnSlide("Many", left, Bullets(1100, "r"))};
    const SlideData& slide = document.slides[0];
    ASSERT_TRUE(PackageParts::IsLargeSlide(slide));
    const Parts parts = Save(document);
    ExpectWellFormedPackage(parts);

    std::string joined;
    const PackageDesign design = DesignParts::OwnDesign();
    const std::unique_ptr<IPartPieces> pieces = PackageParts::SlidePieces(slide, design);
    for (std::string piece; pieces->Next(piece);) {
        std::size_t paragraphs = 0;
        for (std::size_t at = piece.find("<a:p>"); at != std::string::npos;
             at = piece.find("<a:p>", at + 1))
            ++paragraphs;
        EXPECT_LE(paragraphs, PackageParts::kParagraphsAPiece);
        joined += piece;
    }
    EXPECT_EQ(joined, parts.at("ppt/slides/slide1.xml"));
    EXPECT_EQ(joined, PackageParts::SlideXml(slide, design));
    const pugi::xml_document xml = Parse(parts, "ppt/slides/slide1.xml");
    const pugi::xpath_node_set shapes = xml.select_nodes("//p:sp");
    ASSERT_EQ(shapes.size(), 3U);
    const pugi::xpath_node_set leftShown = shapes[1].node().select_nodes(".//a:p");
    ASSERT_EQ(leftShown.size(), 2500U);
    const pugi::xml_node firstOfSecondBatch = leftShown[1024].node();
    EXPECT_STREQ(firstOfSecondBatch.select_node("a:r/a:t").node().text().get(), "l1024");
    EXPECT_STREQ(firstOfSecondBatch.child("a:pPr").attribute("lvl").value(), "4");
    EXPECT_EQ(shapes[2].node().select_nodes(".//a:p").size(), 1100U);
}

TEST_F(PptxPackageTest, ALongBulletIsWrittenAPieceOfTextAtATimeWithTheWholeSlidesBytes)
{
    // Characters of two to four bytes, escapes, a byte that is not UTF-8 and a
    // control character, so cuts land everywhere but between a character's bytes.
    const std::string unit = "\xCE\xA9\xE2\x82\xAC & <\xE6\xBC\xA2> \xF0\x9F\x98\x80\xE9\x07 ";
    std::string text;
    while (text.size() < 1024 * 1024)
        text += unit;
    const SlideData slide = TextSlide("Long", {{"short", 1}, {text, 2}, {"after", 1}});
    ASSERT_TRUE(PackageParts::IsLargeSlide(slide));
    const PackageDesign design = DesignParts::OwnDesign();
    std::string joined;
    const std::unique_ptr<IPartPieces> pieces = PackageParts::SlidePieces(slide, design);
    for (std::string piece; pieces->Next(piece);) {
        // An ampersand, the longest escape, is five bytes for one.
        EXPECT_LE(piece.size(), 5 * PackageParts::kTextAPiece);
        joined += piece;
    }
    EXPECT_EQ(joined, PackageParts::SlideXml(slide, design));
}

TEST_F(PptxPackageTest, TextIsEscapedAndCharactersXmlCannotHoldAreReplaced)
{
    PresentationDocument document;
    document.slides = {
        TextSlide("<b> & \"q\"", {{"bell\x07 tab\t \xEF\xBF\xBF end", 1}, {"Caf\xE9", 2}})};
    const Parts parts = Save(document);
    const pugi::xml_document slide = Parse(parts, "ppt/slides/slide1.xml");
    const pugi::xpath_node_set texts = slide.select_nodes("//a:t");
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_STREQ(texts[0].node().text().get(), "<b> & \"q\"");
    EXPECT_STREQ(texts[1].node().text().get(), "bell\xEF\xBF\xBD tab\t \xEF\xBF\xBD end");
    // A byte that is not UTF-8 is read as Windows-1252, as everywhere in the server.
    EXPECT_STREQ(texts[2].node().text().get(), "Caf\xC3\xA9");
}

TEST_F(PptxPackageTest, DocumentPropertiesGiveTitleApplicationTimesAndSlideCount)
{
    PresentationDocument document = WorkedExample();
    document.slides.insert(document.slides.begin(), TextSlide("Before", {}));
    const Parts parts = Save(document);
    const pugi::xml_document core = Parse(parts, "docProps/core.xml");
    EXPECT_STREQ(core.select_node("//dc:title").node().text().get(), "Quarterly Review");
    const std::string created = core.select_node("//dcterms:created").node().text().get();
    EXPECT_EQ(created.size(), 20U) << created;
    EXPECT_EQ(created.back(), 'Z');
    const pugi::xml_document app = Parse(parts, "docProps/app.xml");
    EXPECT_STREQ(app.select_node("//Application").node().text().get(), "Quillon");
    EXPECT_STREQ(app.select_node("//Slides").node().text().get(), "4");
    const pugi::xml_document presentation = Parse(parts, "ppt/presentation.xml");
    const pugi::xpath_node_set ids = presentation.select_nodes("//p:sldId");
    ASSERT_EQ(ids.size(), 4U);
    EXPECT_STREQ(ids[0].node().attribute("id").value(), "256");
    EXPECT_STREQ(ids[3].node().attribute("id").value(), "259");
}

TEST_F(PptxPackageTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    Save(WorkedExample());
    const auto before = fs::file_size(m_path);
    EXPECT_THROW(CPptxFileWriter().Write(PresentationDocument{}, m_path.string(), 1), CSaveError);
    PresentationDocument designed = WorkedExample();
    designed.design = std::make_shared<const TemplateDesign>();
    EXPECT_THROW(CPptxFileWriter().Write(designed, m_path.string(), 24), CSaveError);
    EXPECT_THROW(
        CPptxFileWriter().Write(WorkedExample(), (m_folder / "gone" / "x.pptx").string(), 24),
        CSaveError);
    fs::create_directory(m_folder / "Folder.pptx");
    EXPECT_THROW(CPptxFileWriter().Write(WorkedExample(), (m_folder / "Folder.pptx").string(), 24),
                 CSaveError);
    EXPECT_EQ(fs::file_size(m_path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2);

    Save(PresentationDocument{});
    EXPECT_LT(fs::file_size(m_path), before);
}

TEST_F(PptxPackageTest, AReadOnlyFileIsRefusedAsForPptAndAReplacedOneKeepsItsMode)
{
    Save(PresentationDocument{});
    ::chmod(m_path.c_str(), 0640);
    Save(WorkedExample());
    struct stat status
    {};
    ASSERT_EQ(::stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640U);

    const auto before = fs::file_size(m_path);
    ::chmod(m_path.c_str(), 0444);
    ASSERT_TRUE(GiveToNobody(m_folder.string()) && GiveToNobody(m_path.string()));
    const std::string expected = "Cannot save \"" + m_path.string() + "\": the file is read-only.";
    EXPECT_EQ(RunUnprivileged([&] {
                  try {
                      CPptxFileWriter().Write(PresentationDocument{}, m_path.string(), 24);
                  } catch (const CSaveError& error) {
                      return error.what() == expected ? 0 : 1;
                  }
                  return 2;
              }),
              0);
    EXPECT_EQ(fs::file_size(m_path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(PptxPackageTest, AClaimedNameOfTheLongestLengthIsTheOneWritten)
{
    const fs::path path = m_folder / (std::string(250, 'n') + ".pptx");
    ASSERT_EQ(path.filename().string().size(), 255U);
    ASSERT_EQ(NameClaim::Claim(path.string()), NameClaim::Result::Claimed);
    CPptxFileWriter().Write(WorkedExample(), path.string(), 24);
    NameClaim::End(path.string(), true);
    EXPECT_EQ(ReadPackage(path.string()).size(), 21U);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

// A disk that fills up part way: the file size limit makes each write past
// it fail with EFBIG (the signal it would raise is ignored meanwhile).
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(PptxPackageTest, ADiskThatFillsUpFailsTheSaveAndKeepsTheOldFile)
{
    Save(WorkedExample());
    const std::string before = ReadPackage(m_path.string()).at("ppt/slides/slide1.xml");
    PresentationDocument longer = WorkedExample();
    for (int i = 0; i < 50; ++i)
        longer.slides.push_back(TextSlide("More", Bullets(20, "point")));
    for (const rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{2000}, rlim_t{8000}}) {
        SCOPED_TRACE(limit);
        const CFileSizeLimit full(limit);
        EXPECT_THROW(CPptxFileWriter().Write(longer, m_path.string(), 24), CSaveError);
    }
    EXPECT_EQ(ReadPackage(m_path.string()).size(), 21U);
    EXPECT_EQ(ReadPackage(m_path.string()).at("ppt/slides/slide1.xml"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

} // namespace
