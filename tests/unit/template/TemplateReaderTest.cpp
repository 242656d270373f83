// SPDX-License-Identifier: MIT
#include "CompoundFileWriter.h"
#include "MasterCopy.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "PptFormat.h"
#include "PptPackager.h"
#include "PptReader.h"
#include "RecordWriter.h"
#include "SampleDocuments.h"
#include "TemplateDesign.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using namespace SampleDocuments;
namespace fs = std::filesystem;

// A folder of its own for each test, removed with everything in it.
class CScratchFolder
{
public:
    CScratchFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = fs::temp_directory_path() / ("quillon-template-" + std::string(test->name()) +
                                              "-" + std::to_string(::getpid()));
        fs::create_directories(m_path);
    }
    ~CScratchFolder() { fs::remove_all(m_path); }
    std::string Path(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

void Write32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    std::memcpy(bytes.data() + at, &value, 4);
}

// Offset of the first record of that type found by walking the stream.
std::size_t FindRecord(const std::vector<std::uint8_t>& bytes, std::uint16_t type)
{
    for (std::size_t at = 0; at + 4 <= bytes.size(); ++at) {
        if (bytes[at + 2] == (type & 0xFF) && bytes[at + 3] == (type >> 8) &&
            (bytes[at] & 0xF) == 0xF)
            return at;
    }
    return bytes.size();
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes)
{
    try {
        CPotTemplateLoader::ReadDesign(bytes, "/talks/design.pot");
    } catch (const CTemplateError& error) {
        return error.what();
    }
    return "no error";
}

PptStreams OwnTemplateStreams()
{
    return CPptPackager().Package(PresentationDocument{});
}

std::shared_ptr<const TemplateDesign> OwnTemplate()
{
    return CPotTemplateLoader::ReadDesign(CPptFileWriter::Assemble(OwnTemplateStreams()),
                                          "own.pot");
}

TEST(TemplateReader, FindsTheMasterItsPlaceholdersAndColoursInOurOwnTemplate)
{
    const auto design = OwnTemplate();
    ASSERT_EQ(design->masters.size(), 1u);
    EXPECT_EQ(design->masters[0].masterId, kFirstMasterId);
    EXPECT_FALSE(design->masters[0].isTitleMaster);
    EXPECT_FALSE(design->titleMaster);
    EXPECT_EQ(design->masters[0].drawingId, 1u);
    EXPECT_EQ(design->titleShapeId, 0x402u);
    EXPECT_EQ(design->bodyShapeId, 0x403u);
    EXPECT_EQ(design->slides.title.top, DefaultDesign::kTitle.top);
    EXPECT_EQ(design->slides.body.bottom, DefaultDesign::kBody.bottom);
    EXPECT_EQ(design->slides.colorScheme, DefaultDesign::kColorScheme);
    EXPECT_EQ(design->slideWidth, kSlideWidth);
    EXPECT_FALSE(design->environment.empty());
    ASSERT_EQ(design->clusters.size(), 1u);
    EXPECT_EQ(design->clusters[0].drawingId, 1u);
}

TEST(TemplateReader, ColumnsSplitTheMasterBodyWithAGap)
{
    const SlideDesign slides = OwnTemplate()->slides;
    EXPECT_EQ(slides.leftColumn.left, slides.body.left);
    EXPECT_EQ(slides.rightColumn.right, slides.body.right);
    EXPECT_EQ(slides.rightColumn.left - slides.leftColumn.right, 96);
    EXPECT_EQ(slides.leftColumn.top, slides.body.top);
}

// A presentation built around a template keeps its text and refers to the
// template's master; saved again as a template it gives the same design.
TEST(TemplateReader, ATemplateSavedAroundATemplateGivesTheSameDesign)
{
    const auto design = OwnTemplate();
    PresentationDocument document = WorkedExample();
    document.design = design;
    const PptStreams streams = CPptPackager().Package(document);
    const CPptReader reader(streams.document, streams.currentUser);
    const std::vector<StoredSlide> slides = reader.Slides();
    ASSERT_EQ(slides.size(), 3u);
    EXPECT_EQ(slides[1].masterId, design->masters[0].masterId);
    ASSERT_EQ(slides[1].placeholders.size(), 2u);
    EXPECT_EQ(slides[1].placeholders[1].paragraphs.size(), 4u);
    EXPECT_EQ(slides[1].placeholders[1].paragraphs[2].indentLevel, 5);

    const auto again =
        CPotTemplateLoader::ReadDesign(CPptFileWriter::Assemble(streams), "again.pot");
    ASSERT_EQ(again->masters.size(), design->masters.size());
    EXPECT_EQ(again->masters[0].container, design->masters[0].container);
    EXPECT_EQ(again->environment, design->environment);
    EXPECT_EQ(again->drawingGroupExtras, design->drawingGroupExtras);
    EXPECT_EQ(again->slides.colorScheme, design->slides.colorScheme);
    EXPECT_EQ(again->titleShapeId, design->titleShapeId);
    // The slides' drawings own clusters after the master's.
    ASSERT_EQ(again->clusters.size(), 4u);
    EXPECT_EQ(again->clusters[0].drawingId, 1u);
    EXPECT_EQ(again->clusters[3].drawingId, 4u);
}

TEST(TemplateReader, FallsBackToTheLastUserEditWhenCurrentUserIsUnusable)
{
    PptStreams streams = OwnTemplateStreams();
    Write32(streams.currentUser, 16, 3); // offsetToCurrentEdit into the document atom
    EXPECT_EQ(
        CPotTemplateLoader::ReadDesign(CPptFileWriter::Assemble(streams), "x.pot")->masters.size(),
        1u);
    streams.currentUser.clear();
    EXPECT_EQ(
        CPotTemplateLoader::ReadDesign(CPptFileWriter::Assemble(streams), "x.pot")->masters.size(),
        1u);
}

TEST(TemplateReader, DamageGivesATemplateErrorNamingThePathAndTheReason)
{
    const PptStreams good = OwnTemplateStreams();
    const std::uint32_t edit = Read32(good.currentUser, 16);

    PptStreams circle = good;
    Write32(circle.document, edit + 16, edit); // the edit names itself as the previous one
    EXPECT_NE(ErrorOf(CPptFileWriter::Assemble(circle)).find("runs in a circle"),
              std::string::npos);

    PptStreams encrypted = good;
    Write32(encrypted.currentUser, 12, 0xF3D1C4DF);
    EXPECT_NE(ErrorOf(CPptFileWriter::Assemble(encrypted)).find("encrypted"), std::string::npos);

    PptStreams noMaster = good;
    const std::size_t master = FindRecord(noMaster.document, 0x03F8);
    noMaster.document[master + 2] = 0xEE; // main master turned into a slide
    EXPECT_EQ(ErrorOf(CPptFileWriter::Assemble(noMaster)),
              "Cannot apply the template \"/talks/design.pot\": it has no slide master.");

    PptStreams overlong = good;
    Write32(overlong.document, master + 4, 0x7FFFFFF0);
    EXPECT_NE(ErrorOf(CPptFileWriter::Assemble(overlong)).find("damaged"), std::string::npos);

    PptStreams lost = good;
    Write32(lost.document, edit + 20, 0x7FFFFF00); // persist directory offset
    EXPECT_NE(ErrorOf(CPptFileWriter::Assemble(lost)).find("no persist directory"),
              std::string::npos);
}

TEST(TemplateLoader, NamesTheFileAndWhatIsWrongWithIt)
{
    CScratchFolder dir;
    const std::string missing = dir.Path("missing.pot");
    EXPECT_THROW(
        {
            try {
                CPotTemplateLoader().Load(missing);
            } catch (const CTemplateError& error) {
                EXPECT_EQ(std::string(error.what()), "Cannot apply the template \"" + missing +
                                                         "\": the file does not exist.");
                throw;
            }
        },
        CTemplateError);

    const std::string text = dir.Path("notes.pot");
    std::ofstream(text) << "just some text, not a template";
    EXPECT_NE(ErrorOf({'x'}).find("not a PowerPoint 97-2003"), std::string::npos);
    try {
        CPotTemplateLoader().Load(text);
        ADD_FAILURE() << "a text file was read as a template";
    } catch (const CTemplateError& error) {
        EXPECT_NE(std::string(error.what()).find(text), std::string::npos);
    }
    EXPECT_THROW(CPotTemplateLoader().Load(dir.Path("")), CTemplateError);

    CCompoundFileWriter other;
    other.AddStream("WordDocument", std::vector<std::uint8_t>(100, 0));
    EXPECT_NE(ErrorOf(other.Finish()).find("holds no PowerPoint presentation"), std::string::npos);

    std::vector<std::uint8_t> truncated = CPptFileWriter::Assemble(OwnTemplateStreams());
    truncated.resize(truncated.size() / 2);
    EXPECT_NE(ErrorOf(truncated).find("/talks/design.pot"), std::string::npos);
}

bool Holds(const RecordNode& node, std::uint16_t type)
{
    if (node.type == type)
        return true;
    return std::any_of(node.children.begin(), node.children.end(),
                       [type](const RecordNode& child) { return Holds(child, type); });
}

// The embedded-object list stays behind, so a master's OLE frame must not
// point into it; the frame and everything else of the master stays.
TEST(TemplateReader, CopiesAMasterWithoutItsReferencesToEmbeddedObjects)
{
    constexpr std::uint16_t kExObjRefAtom = 0x0BC1;
    CRecordWriter writer;
    writer.BeginContainer(RecordType::MainMaster);
    writer.BeginContainer(RecordType::Drawing);
    writer.BeginContainer(RecordType::SpContainer);
    writer.BeginContainer(RecordType::ClientData);
    writer.BeginRecord(static_cast<RecordType>(kExObjRefAtom));
    writer.U32(7);
    writer.EndRecord();
    writer.BeginRecord(RecordType::PlaceholderAtom);
    writer.U32(0);
    writer.U32(0);
    writer.EndRecord();
    writer.EndRecord();
    writer.EndRecord();
    writer.EndRecord();
    writer.EndRecord();
    const std::vector<std::uint8_t> bytes = writer.Take();
    const CRecordReader reader(bytes);
    const std::vector<std::uint8_t> copy = CopyMaster(reader, reader.ReadAt(0));

    ASSERT_EQ(copy.size(), bytes.size() - 12);
    const RecordNode copied = CRecordReader(copy).ReadAt(0); // lengths add up again
    EXPECT_EQ(copied.End(), copy.size());
    EXPECT_FALSE(Holds(copied, kExObjRefAtom));
    EXPECT_TRUE(Holds(copied, RecordTypeValue(RecordType::PlaceholderAtom)));
}

// A title slide takes the colours of the title master it follows, the other
// slides those of the main master.
TEST(TemplateReader, TitleSlidesTakeTheTitleMastersColours)
{
    TemplateDesign design = *OwnTemplate();
    design.masters.push_back(design.masters.front());
    design.masters.back().isTitleMaster = true;
    design.titleMaster = 1;
    design.titleSlides.colorScheme = {0x010203, 0x040506, 0, 0, 0, 0, 0, 0};
    PresentationDocument document = WorkedExample();
    document.design = std::make_shared<const TemplateDesign>(design);
    const std::vector<std::uint8_t> stream = CPptPackager().Package(document).document;
    const std::vector<std::uint8_t> scheme = {1, 2, 3, 0, 4, 5, 6, 0};
    std::size_t count = 0;
    for (auto at = stream.begin();
         (at = std::search(at, stream.end(), scheme.begin(), scheme.end())) != stream.end(); ++at)
        ++count;
    EXPECT_EQ(count, 1u); // the worked example has one title slide
}

// Damaged templates, most of which once gave a presentation that readers
// refuse: a clear refusal instead, and nothing else on standard error.
TEST(TemplateLoader, RefusesTemplatesWhoseMastersAreDamaged)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(QUILLON_TEST_DATA "/damaged-templates")) {
        if (entry.path().extension() != ".pot")
            continue;
        ++count;
        SCOPED_TRACE(entry.path().filename().string());
        testing::internal::CaptureStderr();
        try {
            CPotTemplateLoader().Load(entry.path().string());
            ADD_FAILURE() << "accepted";
        } catch (const CTemplateError& error) {
            EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos) << error.what();
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // no library's own messages
    }
    EXPECT_EQ(count, 13);
}

// libgsf asserts on some truncated compound files; only our message may
// reach the user.
TEST(TemplateLoader, PrintsNothingOfItsLibrariesOnADamagedFile)
{
    const std::vector<std::uint8_t> whole = CPptFileWriter::Assemble(OwnTemplateStreams());
    for (std::size_t size = 512; size < whole.size(); size += 512) {
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<std::ptrdiff_t>(size));
        testing::internal::CaptureStderr();
        EXPECT_NE(ErrorOf(cut), "no error");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << size << " bytes";
    }
}

TEST(TemplateLoader, LoadsATemplateFileSavedByOurWriter)
{
    CScratchFolder dir;
    const std::string path = dir.Path("design.pot");
    CPptFileWriter().Write(PresentationDocument{}, path, CPptFileWriter::kFormatTemplate);
    const auto loaded = CPotTemplateLoader().Load(path);
    EXPECT_EQ(loaded->fileName, path);
    ASSERT_TRUE(loaded->design);
    EXPECT_EQ(loaded->design->masters.size(), 1u);
}

} // namespace
