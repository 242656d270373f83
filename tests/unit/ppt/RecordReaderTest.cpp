// SPDX-License-Identifier: MIT
#include "RecordReader.h"

#include "RecordDump.h"
#include "RecordWriter.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Nested()
{
    CRecordWriter writer;
    writer.BeginContainer(RecordType::Slide);
    writer.BeginRecord(RecordType::SlideAtom, 2, 5);
    writer.U32(1);
    writer.EndRecord();
    writer.BeginRecord(RecordType::TextCharsAtom);
    writer.Utf16(u"Hi\r\u00e9");
    writer.EndRecord();
    writer.EndRecord();
    return writer.Take();
}

TEST(RecordReader, OpensContainersRecursively)
{
    const Bytes bytes = Nested();
    const std::vector<RecordNode> nodes = CRecordReader(bytes).ReadAll();
    ASSERT_EQ(nodes.size(), 1u);
    ASSERT_EQ(nodes[0].children.size(), 2u);
    EXPECT_EQ(nodes[0].children[0].instance, 5);
    EXPECT_EQ(nodes[0].children[0].version, 2);
    EXPECT_EQ(nodes[0].children[1].offset, 20u);
    EXPECT_NE(nodes[0].Child(0x0FA0), nullptr);
    EXPECT_EQ(nodes[0].Child(0x0FA1), nullptr);
}

// A child longer than its container must not be read into the next record.
TEST(RecordReader, RefusesRecordsThatOverrunTheirContainer)
{
    Bytes bytes = Nested();
    bytes[8 + 4] = 0x40; // the SlideAtom claims 64 bytes
    EXPECT_THROW(CRecordReader(bytes).ReadAll(), std::runtime_error);
    Bytes truncated = Nested();
    truncated.resize(truncated.size() - 1);
    EXPECT_THROW(CRecordReader(truncated).ReadAll(), std::runtime_error);
}

// PowerPoint 2007 writes RoundTripCustomTableStyles12Atom with the
// containers' version; its payload is data, not records. Unknown types stay
// opaque too, while a real container still opens.
TEST(RecordReader, TakesContainernessFromTheRecordType)
{
    CRecordWriter writer;
    writer.BeginContainer(RecordType::Document);
    writer.BeginRecord(static_cast<RecordType>(0x0428), 0xF);
    writer.U32(0xFFFFFFFF); // would be a record header claiming 4 GB
    writer.U32(0x12345678);
    writer.EndRecord();
    writer.BeginRecord(static_cast<RecordType>(0x7ABC), 0xF);
    writer.U8(1);
    writer.EndRecord();
    writer.EndRecord();
    const Bytes bytes = writer.Take();
    const std::vector<RecordNode> nodes = CRecordReader(bytes).ReadAll();
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_TRUE(nodes[0].IsContainer());
    ASSERT_EQ(nodes[0].children.size(), 2u);
    for (const RecordNode& atom : nodes[0].children) {
        EXPECT_EQ(atom.version, 0xF);
        EXPECT_FALSE(atom.IsContainer());
        EXPECT_TRUE(atom.children.empty());
    }
}

TEST(RecordDump, ShowsTreeTextAndTrailingBytes)
{
    Bytes bytes = Nested();
    bytes.push_back(0x41);
    EXPECT_EQ(CRecordDump(bytes, true).Text(),
              "Slide (0x03EE) inst 0 ver 15 len 28\n"
              "  SlideAtom (0x03EF) inst 5 ver 2 len 4 01000000\n"
              "  TextCharsAtom (0x0FA0) inst 0 ver 0 len 8 \"Hi\\r\u00e9\"\n"
              "(1 bytes after the last record)\n");
    EXPECT_EQ(CRecordDump(bytes, false).Text().substr(0, 9), "@0 Slide ");
}

} // namespace
