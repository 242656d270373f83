// SPDX-License-Identifier: MIT
#include "PersistRecords.h"

#include "CurrentUserRecord.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes PayloadOf(const Bytes& bytes, std::size_t offset)
{
    const RecordNode node = CRecordReader(bytes).ReadAt(offset);
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(node.PayloadOffset());
    return Bytes(begin, begin + node.length);
}

// Ids 1 and 2 at offsets 0 and 0x2AB, as in a blank PowerPoint file.
TEST(PersistRecords, ConsecutiveIdsShareOneEntry)
{
    CRecordWriter writer;
    writer.Zeros(0x300); // stands in for the containers
    CPersistRecords persist({{1, 0}, {2, 0x2AB}}, 0x100);
    persist.Write(writer);
    const Bytes bytes = writer.Take();
    EXPECT_EQ(PayloadOf(bytes, 0x300), (Bytes{1, 0, 0x20, 0, 0, 0, 0, 0, 0xAB, 2, 0, 0}));
    EXPECT_EQ(persist.UserEditOffset(), 0x300u + 8 + 12);
}

TEST(PersistRecords, AGapStartsANewEntry)
{
    CRecordWriter writer;
    CPersistRecords({{1, 0}, {3, 16}, {4, 32}}, 0x100).Write(writer);
    EXPECT_EQ(PayloadOf(writer.Data(), 0),
              (Bytes{1, 0, 0x10, 0, 0, 0, 0, 0, 3, 0, 0x20, 0, 16, 0, 0, 0, 32, 0, 0, 0}));
}

TEST(PersistRecords, LongRunsSplitAtTheCountLimit)
{
    std::map<std::uint32_t, std::uint32_t> offsets;
    for (std::uint32_t id = 1; id <= 5000; ++id)
        offsets[id] = id * 4;
    CRecordWriter writer;
    CPersistRecords(offsets, 0x100).Write(writer);
    const Bytes directory = PayloadOf(writer.Data(), 0);
    ASSERT_EQ(directory.size(), 4u * 2 + 4u * 5000);
    const CRecordReader reader(directory);
    EXPECT_EQ(reader.U32(0), 1u | (4095u << 20));
    EXPECT_EQ(reader.U32(4 + 4 * 4095), 4096u | (905u << 20));
}

TEST(PersistRecords, UserEditPointsAtTheDirectoryAndSeedsTheHighestId)
{
    CRecordWriter writer;
    writer.Zeros(40);
    CPersistRecords persist({{1, 0}, {2, 10}, {7, 20}}, 0x100);
    persist.Write(writer);
    const Bytes edit = PayloadOf(writer.Data(), persist.UserEditOffset());
    EXPECT_EQ(edit, (Bytes{0x00, 0x01, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 40, 0,
                           0,    0,    1, 0, 0, 0, 7, 0, 0, 0, 1, 0, 0,  0}));
}

TEST(PersistRecords, RejectsIdsTheFormatCannotHold)
{
    EXPECT_THROW(CPersistRecords({}, 0x100), std::invalid_argument);
    EXPECT_THROW(CPersistRecords({{0, 0}}, 0x100), std::invalid_argument);
    EXPECT_THROW(CPersistRecords({{0xFFFFF, 0}}, 0x100), std::invalid_argument);
}

TEST(CurrentUserRecord, LayoutWithNameCopies)
{
    CRecordWriter writer;
    CCurrentUserRecord(0x1234, "Ann").Write(writer);
    EXPECT_EQ(writer.Take(),
              (Bytes{0x00, 0x00, 0xF6, 0x0F, 27,   0,    0,    0,    // header, 24 + 3
                     0x14, 0,    0,    0,    0x5F, 0xC0, 0x91, 0xE3, // size, token
                     0x34, 0x12, 0,    0,    3,    0,    0xF4, 0x03, // edit offset, name length
                     3,    0,    0,    0,    'A',  'n',  'n',  8,    // versions, name
                     0,    0,    0,    'A',  0,    'n',  0,    'n',  0}));
}

TEST(CurrentUserRecord, NameIsPrintableAsciiAtMost255)
{
    CRecordWriter writer;
    CCurrentUserRecord(0, "J\xC3\xB6rg" + std::string(300, 'x')).Write(writer);
    const Bytes bytes = writer.Take();
    const CRecordReader reader(bytes);
    EXPECT_EQ(reader.U16(8 + 12), 255);
    EXPECT_EQ(bytes[8 + 20 + 1], '?');
    EXPECT_EQ(bytes.size(), 8u + 24 + 255 + 2 * 255);
}

} // namespace
