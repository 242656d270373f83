// SPDX-License-Identifier: MIT
#include "PptFileWriter.h"

#include "ByteSink.h"
#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "RecordInventory.h"
#include "SampleDocuments.h"
#include "Unprivileged.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Passes bytes on to the file until a budget runs out, then fails as a full
// disk would.
class CFailingSink : public IByteSink
{
public:
    CFailingSink(int fd, std::size_t budget) : m_file(fd), m_budget(budget) {}

    void Write(const std::uint8_t* data, std::size_t size) override
    {
        const std::size_t allowed = std::min(size, m_budget);
        m_file.Write(data, allowed);
        m_budget -= allowed;
        if (allowed < size)
            m_failed = true;
    }
    // The header goes over bytes already given room.
    void Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size) override
    {
        m_file.Rewrite(offset, data, size);
    }
    bool Close() override { return m_file.Close() && !m_failed; }
    std::string Error() const override { return m_failed ? "No space left on device" : ""; }

private:
    CFileSink m_file;
    std::size_t m_budget;
    bool m_failed = false;
};

// Throws once a few bytes have gone through, as a sink out of memory would.
class CThrowingSink : public IByteSink
{
public:
    void Write(const std::uint8_t* /*data*/, std::size_t size) override
    {
        m_written += size;
        if (m_written > 4096)
            throw std::runtime_error("out of memory");
    }
    void Rewrite(std::size_t /*offset*/, const std::uint8_t* /*data*/,
                 std::size_t /*size*/) override
    {}
    bool Close() override { return true; }
    std::string Error() const override { return {}; }

private:
    std::size_t m_written = 0;
};

class PptFileWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("ppt-writer-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }

    static Bytes ReadFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    // The presentation's streams; the property sets carry the time of saving.
    static std::vector<Bytes> PptStreamsOf(const Bytes& file)
    {
        const CCompoundFileReader reader(file);
        return {*reader.ReadStream(kDocumentStreamName),
                *reader.ReadStream(kCurrentUserStreamName)};
    }
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static void ExpectSaveError(const std::function<void()>& save, const std::string& message)
    {
        try {
            save();
            FAIL() << "no CSaveError";
        } catch (const CSaveError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }

    fs::path m_folder;
};

TEST_F(PptFileWriterTest, WritesAPresentationThatReadsBack)
{
    const std::string path = (m_folder / "deck.ppt").string();
    CPptFileWriter().Write(SampleDocuments::WorkedExample(), path, 1);
    const CCompoundFileReader file(path);
    const CPptReader reader(*file.ReadStream(kDocumentStreamName),
                            *file.ReadStream(kCurrentUserStreamName));
    const auto slides = reader.Slides();
    ASSERT_EQ(slides.size(), 3u);
    EXPECT_EQ(slides[0].placeholders[1].paragraphs.at(0).text, "Café – 東京 😀");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"deck.ppt"});
}

TEST_F(PptFileWriterTest, TemplateFormatWritesTheSameBinaryFormat)
{
    const PresentationDocument document = SampleDocuments::WorkedExample();
    CPptFileWriter().Write(document, (m_folder / "a.ppt").string(), 1);
    CPptFileWriter().Write(document, (m_folder / "a.pot").string(), 5);
    EXPECT_EQ(PptStreamsOf(ReadFile(m_folder / "a.ppt")),
              PptStreamsOf(ReadFile(m_folder / "a.pot")));
}

TEST_F(PptFileWriterTest, ReplacesAnExistingFile)
{
    const fs::path path = m_folder / "deck.ppt";
    std::ofstream(path) << "old content";
    CPptFileWriter().Write(SampleDocuments::WorkedExample(), path.string(), 1);
    EXPECT_EQ(PptStreamsOf(ReadFile(path)),
              PptStreamsOf(CPptFileWriter::Build(SampleDocuments::WorkedExample())));
}

TEST_F(PptFileWriterTest, DocumentPropertiesNameTitleAuthorProgramTimesAndSlides)
{
    const std::string path = (m_folder / "deck.ppt").string();
    PresentationDocument document = SampleDocuments::WorkedExample();
    // The title slide's title, wherever that slide is.
    std::swap(document.slides[0], document.slides[1]);
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    CPptFileWriter().Write(document, path, 1);
    const auto after = static_cast<std::int64_t>(std::time(nullptr));

    const CCompoundFileReader file(path);
    const std::optional<DocumentSummary> summary = file.ReadSummary();
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->title, "Quarterly Review");
    // The name that the Current User stream holds.
    const Bytes user = *file.ReadStream(kCurrentUserStreamName);
    EXPECT_EQ(summary->author, std::string(user.begin() + 8 + 0x14, user.begin() + 8 + 0x14 + 7));
    EXPECT_EQ(summary->author, "Quillon");
    EXPECT_EQ(summary->application, "Quillon");
    EXPECT_EQ(summary->slideCount, 3);
    EXPECT_GE(summary->created, before);
    EXPECT_LE(summary->saved, after);
    EXPECT_EQ(summary->created, summary->saved);

    CPptFileWriter().Write({}, path, 1);
    const std::optional<DocumentSummary> empty = CCompoundFileReader(path).ReadSummary();
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->title, "");
    EXPECT_EQ(empty->slideCount, 0);
}

// Whenever the sink fails, the old file survives and no temporary file stays.
TEST_F(PptFileWriterTest, FailedWriteLeavesTheOldFileIntact)
{
    const fs::path path = m_folder / "deck.ppt";
    const std::size_t total = CPptFileWriter::Build(SampleDocuments::WorkedExample()).size();
    for (std::size_t budget : {std::size_t{0}, std::size_t{100}, std::size_t{4096}, total - 1}) {
        std::ofstream(path) << "old content";
        CPptFileWriter writer(
            [budget](int fd) { return std::make_unique<CFailingSink>(fd, budget); });
        ExpectSaveError([&] { writer.Write(SampleDocuments::WorkedExample(), path.string(), 1); },
                        "Cannot save \"" + path.string() + "\": No space left on device.");
        EXPECT_EQ(ReadFile(path), (Bytes{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'}));
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"deck.ppt"}) << "budget " << budget;
    }
}

// The compound file is written into the sink from within libgsf: what the
// sink throws comes out of the save as its reason, not through libgsf.
TEST_F(PptFileWriterTest, ASinkThatThrowsFailsTheSave)
{
    const fs::path path = m_folder / "deck.ppt";
    std::ofstream(path) << "old";
    CPptFileWriter writer([](int fd) {
        ::close(fd);
        return std::make_unique<CThrowingSink>();
    });
    ExpectSaveError([&] { writer.Write(SampleDocuments::WorkedExample(), path.string(), 1); },
                    "Cannot save \"" + path.string() + "\": out of memory.");
    EXPECT_EQ(ReadFile(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"deck.ppt"});
}

// The records that every PowerPoint-saved file of the surveyed corpus holds
// (servers/presentation/ppt/README.md); a file of ours must hold them too.
TEST_F(PptFileWriterTest, HoldsEveryRecordPowerPointAlwaysWrites)
{
    const std::vector<std::string> always{
        "stream \\5SummaryInformation",
        "stream \\5DocumentSummaryInformation",
        "Document/Environment/Kinsoku/KinsokuAtom",
        "Document/Environment/TextMasterStyleAtom[4]",
        "Document/DrawingGroup/DggContainer/FOPT",
        "Document/DrawingGroup/DggContainer/SplitMenuColors",
        "Document/List/SlideViewInfo[0]/SlideViewInfoAtom",
        "Document/List/SlideViewInfo[0]/ViewInfoAtom",
        "Document/SlideListWithText[1]/SlidePersistAtom",
        "Document/SlideListWithText[0]/TextHeaderAtom",
        "MainMaster/CString[2]",
        "Slide/Drawing/DgContainer/SpgrContainer/SpContainer/ClientTextbox/OutlineTextRefAtom"};
    const std::vector<std::string> ours = CRecordInventory::Of(
        CCompoundFileReader(CPptFileWriter::Build(SampleDocuments::WorkedExample())));
    for (const std::string& path : always)
        EXPECT_NE(std::find(ours.begin(), ours.end(), path), ours.end()) << path;

    CRecordInventory survey;
    survey.Add(ours);
    survey.Add({"Document", "Unseen"});
    ASSERT_EQ(survey.FileCount(), 2u);
    const auto counts = survey.Counts();
    ASSERT_EQ(counts.size(), ours.size() + 1);
    EXPECT_EQ(counts.front(), std::make_pair(ours.front(), std::size_t{1}));
    EXPECT_EQ(counts.back(), std::make_pair(std::string("Unseen"), std::size_t{1}));
    const auto document = std::find_if(counts.begin(), counts.end(),
                                       [](const auto& entry) { return entry.first == "Document"; });
    ASSERT_NE(document, counts.end());
    EXPECT_EQ(document->second, 2u);
}

TEST_F(PptFileWriterTest, MissingFolderIsNamed)
{
    const std::string folder = (m_folder / "missing").string();
    const std::string path = folder + "/deck.ppt";
    ExpectSaveError([&] { CPptFileWriter().Write({}, path, 1); },
                    "Cannot save \"" + path + "\": the folder \"" + folder + "\" does not exist.");
}

TEST_F(PptFileWriterTest, AFileInPlaceOfTheFolderIsNamed)
{
    std::ofstream(m_folder / "plain") << "x";
    const std::string path = (m_folder / "plain" / "deck.ppt").string();
    ExpectSaveError([&] { CPptFileWriter().Write({}, path, 1); },
                    "Cannot save \"" + path + "\": \"" + (m_folder / "plain").string() +
                        "\" is not a folder.");
}

TEST_F(PptFileWriterTest, ReadOnlyFolderKeepsItsFile)
{
    const fs::path path = m_folder / "deck.ppt";
    std::ofstream(path) << "old";
    ASSERT_TRUE(GiveToNobody(m_folder) && GiveToNobody(path));
    fs::permissions(m_folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string expected = "Cannot save \"" + path.string() + "\": Permission denied.";
    EXPECT_EQ(RunUnprivileged([&] {
                  try {
                      CPptFileWriter().Write({}, path.string(), 1);
                  } catch (const CSaveError& error) {
                      return error.what() == expected ? 0 : 1;
                  }
                  return 2;
              }),
              0);
    EXPECT_EQ(ReadFile(path), (Bytes{'o', 'l', 'd'}));
}

TEST_F(PptFileWriterTest, RefusesMoreSlidesThanTheFormatHoldsAndNamesTheWayOut)
{
    const std::string path = (m_folder / "deck.ppt").string();
    PresentationDocument document;
    document.slides.resize(4001);
    ExpectSaveError([&] { CPptFileWriter().Write(document, path, 1); },
                    "Cannot save \"" + path +
                        "\": a PowerPoint 97-2003 file holds at most 4000 slides; save the "
                        "presentation as .pptx instead.");
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(PptFileWriterTest, RefusesFormatsOtherThanPresentationAndTemplate)
{
    const std::string path = (m_folder / "deck.pptx").string();
    ExpectSaveError([&] { CPptFileWriter().Write({}, path, 24); },
                    "Cannot save \"" + path + "\": file format 24 is not supported.");
    EXPECT_TRUE(FolderEntries().empty());
}

} // namespace
