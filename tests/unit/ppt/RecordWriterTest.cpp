// SPDX-License-Identifier: MIT
#include "RecordWriter.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RecordWriter, PrimitivesAreLittleEndian)
{
    CRecordWriter writer;
    writer.U8(0xAB);
    writer.U16(0x1234);
    writer.U32(0x89ABCDEF);
    writer.I16(-2);
    writer.I32(-1);
    writer.Utf16(u"A\u00e9");
    EXPECT_EQ(writer.Take(), (Bytes{0xAB, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFE, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0x41, 0x00, 0xE9, 0x00}));
}

TEST(RecordWriter, AtomHeaderPacksVersionInstanceTypeAndLength)
{
    CRecordWriter writer;
    writer.BeginRecord(RecordType::TextHeaderAtom, 0, 3);
    writer.U32(1);
    writer.EndRecord();
    EXPECT_EQ(writer.Take(),
              (Bytes{0x30, 0x00, 0x9F, 0x0F, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}));
}

TEST(RecordWriter, ContainerLengthIsTheSumOfItsChildren)
{
    CRecordWriter writer;
    writer.BeginContainer(RecordType::SlideListWithText, 1);
    writer.BeginRecord(RecordType::EndDocumentAtom);
    writer.EndRecord();
    writer.BeginRecord(RecordType::SlideAtom, 2);
    writer.U16(7);
    writer.EndRecord();
    writer.EndRecord();
    const Bytes bytes = writer.Take();
    ASSERT_EQ(bytes.size(), 8u + 8u + 10u);
    EXPECT_EQ((Bytes{bytes.begin(), bytes.begin() + 8}),
              (Bytes{0x1F, 0x00, 0xF0, 0x0F, 18, 0x00, 0x00, 0x00}));
    EXPECT_EQ((Bytes{bytes.begin() + 16, bytes.begin() + 24}),
              (Bytes{0x02, 0x00, 0xEF, 0x03, 0x02, 0x00, 0x00, 0x00}));
}

TEST(RecordWriter, PatchOverwritesWrittenBytesOnly)
{
    CRecordWriter writer;
    writer.U32(0);
    writer.U32(0);
    writer.PatchU32(2, 0x04030201);
    EXPECT_EQ(writer.Data(), (Bytes{0, 0, 1, 2, 3, 4, 0, 0}));
    EXPECT_THROW(writer.PatchU32(5, 1), std::logic_error);
}

TEST(RecordWriter, MisuseIsCaught)
{
    CRecordWriter writer;
    EXPECT_THROW(writer.EndRecord(), std::logic_error);
    EXPECT_THROW(writer.BeginRecord(RecordType::Slide, 0x10), std::logic_error);
    EXPECT_THROW(writer.BeginRecord(RecordType::Slide, 0, 0x1000), std::logic_error);
    writer.BeginContainer(RecordType::Slide);
    EXPECT_THROW(writer.Take(), std::logic_error);
}

} // namespace
