// SPDX-License-Identifier: MIT
// A .ppt or .pot save that fails part-way, at every record boundary of a
// small document: the error names the path and the reason, the file that
// was there keeps its bytes, and no temporary file stays beside it.
#include "ByteSink.h"
#include "CompoundFileReader.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "PptFormat.h"
#include "RecordReader.h"
#include "TempFolder.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Passes bytes on to the temporary file until its room runs out, then fails
// the way a full disk does.
class CFullDiskSink final : public IByteSink
{
public:
    CFullDiskSink(int fd, std::size_t room) : m_file(fd), m_room(room) {}

    void Write(const std::uint8_t* data, std::size_t size) override
    {
        const std::size_t passed = std::min(size, m_room);
        m_file.Write(data, passed);
        m_room -= passed;
        m_full = m_full || passed < size;
    }
    // The header goes over bytes already given room.
    void Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size) override
    {
        m_file.Rewrite(offset, data, size);
    }
    bool Close() override { return m_file.Close() && !m_full; }
    std::string Error() const override
    {
        return m_full ? "No space left on device" : m_file.Error();
    }

private:
    CFileSink m_file;
    std::size_t m_room;
    bool m_full = false;
};

// A small document with the default design, or built around a design read
// from a template, which the writer packages along another path.
PresentationDocument SmallDocument(bool aroundTemplate)
{
    PresentationDocument document;
    if (aroundTemplate) {
        PresentationDocument templateDocument;
        templateDocument.slides.push_back({2, {}});
        document.design =
            CPotTemplateLoader::ReadDesign(CPptFileWriter::Build(templateDocument), "design.pot");
    }
    document.slides.push_back({1,
                               {{"Rectangle 2", PlaceholderKind::CenterTitle, {{"Kickoff", 1}}},
                                {"Rectangle 3", PlaceholderKind::Subtitle, {{"Team", 1}}}}});
    document.slides.push_back({2,
                               {{"Rectangle 2", PlaceholderKind::Title, {{"Agenda", 1}}},
                                {"Rectangle 3", PlaceholderKind::Body, {{"One", 1}, {"Two", 2}}}}});
    return document;
}

void CollectOffsets(const std::vector<RecordNode>& nodes, std::size_t base,
                    std::set<std::size_t>& offsets)
{
    for (const RecordNode& node : nodes) {
        offsets.insert(base + node.offset);
        offsets.insert(base + node.PayloadOffset());
        CollectOffsets(node.children, base, offsets);
    }
}

// Where in the file each record of a stream starts and where its payload
// starts, as the record reader finds them. The small document's streams are
// stored in one piece, so a stream's offset in the file is where its bytes
// are found.
// The Current User stream is one atom followed by the user's name in
// UTF-16, which is not a record: only the atom is read there.
void AddRecordBoundaries(const Bytes& file, const Bytes& stream, bool atomOnly,
                         std::set<std::size_t>& offsets)
{
    const auto found = std::search(file.begin(), file.end(), stream.begin(), stream.end());
    ASSERT_NE(found, file.end()) << "the stream is not stored in one piece";
    const auto base = static_cast<std::size_t>(found - file.begin());
    const CRecordReader reader(stream);
    CollectOffsets(atomOnly ? std::vector<RecordNode>{reader.ReadAt(0)} : reader.ReadAll(), base,
                   offsets);
    offsets.insert(base + stream.size());
}

std::set<std::size_t> FailurePoints(const Bytes& file)
{
    const CCompoundFileReader reader(file);
    std::set<std::size_t> offsets{0, 512, file.size() - 1};
    AddRecordBoundaries(file, *reader.ReadStream(kDocumentStreamName), false, offsets);
    AddRecordBoundaries(file, *reader.ReadStream(kCurrentUserStreamName), true, offsets);
    return offsets;
}

std::set<std::string> NamesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct SaveCase
{
    int fileFormat;
    bool aroundTemplate;
};

class PptSaveFailure : public ::testing::TestWithParam<SaveCase>
{
protected:
    void SetUp() override { std::ofstream(m_target, std::ios::binary) << m_oldContent; }

    PresentationDocument Document() const { return SmallDocument(GetParam().aroundTemplate); }

    void ExpectOldFileKept()
    {
        const Bytes kept = ReadFile(m_target);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), m_oldContent);
        EXPECT_EQ(NamesIn(m_dir.Path()), std::set<std::string>{"Kickoff.ppt"});
    }

    CTempFolder m_dir;
    const std::string m_target = m_dir / "Kickoff.ppt";
    const std::string m_oldContent = "the presentation saved yesterday";
};

TEST_P(PptSaveFailure, FailingAtAnyRecordBoundaryKeepsTheOldFile)
{
    const Bytes file = CPptFileWriter::Build(Document());
    const std::set<std::size_t> points = FailurePoints(file);
    ASSERT_GT(points.size(), 40u) << "the small document should have many records";
    for (const std::size_t room : points) {
        SCOPED_TRACE("failing after " + std::to_string(room) + " of " +
                     std::to_string(file.size()) + " bytes");
        CPptFileWriter writer([room](int fd) { return std::make_unique<CFullDiskSink>(fd, room); });
        try {
            writer.Write(Document(), m_target, GetParam().fileFormat);
            ADD_FAILURE() << "the save did not fail";
        } catch (const CSaveError& error) {
            EXPECT_STREQ(error.what(),
                         ("Cannot save \"" + m_target + "\": No space left on device.").c_str());
        }
        ExpectOldFileKept();
    }
}

TEST_P(PptSaveFailure, WithRoomForEveryByteTheSaveReplacesTheOldFile)
{
    const Bytes file = CPptFileWriter::Build(Document());
    CPptFileWriter writer(
        [&file](int fd) { return std::make_unique<CFullDiskSink>(fd, file.size()); });
    writer.Write(Document(), m_target, GetParam().fileFormat);
    // The property sets carry the time of saving, which may have moved on
    // since the file above was built: the presentation's streams must match.
    const Bytes saved = ReadFile(m_target);
    ASSERT_EQ(saved.size(), file.size());
    const CCompoundFileReader expected(file);
    const CCompoundFileReader written(saved);
    for (const char* stream : {kDocumentStreamName, kCurrentUserStreamName})
        EXPECT_EQ(written.ReadStream(stream), expected.ReadStream(stream)) << stream;
    EXPECT_EQ(NamesIn(m_dir.Path()), std::set<std::string>{"Kickoff.ppt"});
}

INSTANTIATE_TEST_SUITE_P(PresentationTemplateAndTemplateDesign, PptSaveFailure,
                         ::testing::Values(SaveCase{CPptFileWriter::kFormatPresentation, false},
                                           SaveCase{CPptFileWriter::kFormatTemplate, false},
                                           SaveCase{CPptFileWriter::kFormatPresentation, true}));

} // namespace
