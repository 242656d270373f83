// SPDX-License-Identifier: MIT
// A .pdb conversion that fails part-way, at every boundary of the file: each
// header field, each record list entry, each record. The error names the
// database and the reason, the database that was there keeps its bytes, and
// no temporary file stays beside it.
#include "AtomicFileSink.h"
#include "Clock.h"
#include "PalmDatabaseFormat.h"
#include "PalmDatabaseWriter.h"
#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Passes bytes on until its room runs out, then fails as a full disk would.
class CFullDiskSink final : public IByteSink
{
public:
    CFullDiskSink(const std::string& path, std::size_t room)
        : m_file(path), m_room(room),
          m_error("Cannot write to " + path + ": No space left on device")
    {}

    void Write(std::span<const std::uint8_t> bytes) override
    {
        const std::size_t passed = std::min(bytes.size(), m_room);
        m_file.Write(bytes.first(passed));
        m_room -= passed;
        m_full = m_full || passed < bytes.size();
    }
    // The temporary file is dropped, as a real sink drops it on failure.
    bool Commit() override { return !m_full && m_file.Commit(); }
    const std::string& ErrorText() const override { return m_full ? m_error : m_file.ErrorText(); }

private:
    CAtomicFileSink m_file;
    std::size_t m_room;
    std::string m_error;
    bool m_full = false;
};

class CFixedClock final : public IClock
{
public:
    std::int64_t UnixSeconds() const override { return 1700000000; }
};

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> NamesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Three records: two full ones and a short last one.
constexpr std::size_t kImageSize = 2 * PalmDb::kMaxRecordSize + 17;

std::set<std::size_t> Boundaries()
{
    using namespace PalmDb;
    std::set<std::size_t> offsets{kNameOffset,
                                  kAttributesOffset,
                                  kVersionOffset,
                                  kCreationDateOffset,
                                  kModificationDateOffset,
                                  kBackupDateOffset,
                                  kModificationNumberOffset,
                                  kAppInfoOffset,
                                  kSortInfoOffset,
                                  kTypeOffset,
                                  kCreatorOffset,
                                  kUniqueIdSeedOffset,
                                  kNextRecordListOffset,
                                  kRecordCountOffset};
    const std::size_t records = RecordCount(kImageSize);
    for (std::size_t i = 0; i <= records; ++i)
        offsets.insert(kHeaderSize + i * kRecordEntrySize);
    for (std::size_t i = 0; i < records; ++i)
        offsets.insert(FirstRecordOffset(records) + i * kMaxRecordSize);
    offsets.insert(FirstRecordOffset(records) + kImageSize - 1);
    return offsets;
}

class PdbSaveFailure : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Write("Logo.gif", std::string(kImageSize, 'G'));
        m_folder.Write("Logo.pdb", m_oldDatabase);
    }

    CTempFolder m_folder;
    const std::string m_image = m_folder / "Logo.gif";
    const std::string m_database = m_folder / "Logo.pdb";
    const std::string m_oldDatabase = "the database converted yesterday";
    CFixedClock m_clock;
};

TEST_F(PdbSaveFailure, FailingAtAnyBoundaryKeepsTheOldDatabase)
{
    for (const std::size_t room : Boundaries()) {
        SCOPED_TRACE("failing after " + std::to_string(room) + " bytes");
        const CPalmDatabaseWriter writer(m_clock, [room](const std::string& path) {
            return std::make_unique<CFullDiskSink>(path, room);
        });
        std::string result;
        EXPECT_FALSE(writer.ConvertGifToPdb(m_image, result));
        EXPECT_EQ(result, "Cannot write to " + m_database + ": No space left on device");
        const Bytes kept = ReadFile(m_database);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), m_oldDatabase);
        EXPECT_EQ(NamesIn(m_folder.Path()), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
    }
}

TEST_F(PdbSaveFailure, WithRoomForEveryByteTheDatabaseIsReplaced)
{
    const std::size_t size =
        PalmDb::FirstRecordOffset(PalmDb::RecordCount(kImageSize)) + kImageSize;
    const CPalmDatabaseWriter writer(m_clock, [size](const std::string& path) {
        return std::make_unique<CFullDiskSink>(path, size);
    });
    std::string result;
    ASSERT_TRUE(writer.ConvertGifToPdb(m_image, result)) << result;
    EXPECT_EQ(ReadFile(m_database).size(), size);
    EXPECT_EQ(NamesIn(m_folder.Path()), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
}

} // namespace
