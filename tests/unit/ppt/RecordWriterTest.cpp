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

// The buffer is filled ahead in steps and may be reserved short: what comes
// out is exactly what went in, however the writes fall across the steps.
TEST(RecordWriter, LongStreamsComeOutWhole)
{
    CRecordWriter writer;
    writer.Reserve(10);
    Bytes expected;
    for (std::uint32_t i = 0; i < 70000; ++i) {
        writer.U16(static_cast<std::uint16_t>(i));
        writer.Zeros(i % 3);
        writer.U8(0xEE);
        expected.insert(expected.end(), {static_cast<std::uint8_t>(i & 0xFF),
                                         static_cast<std::uint8_t>((i >> 8) & 0xFF)});
        expected.insert(expected.end(), i % 3, 0);
        expected.push_back(0xEE);
    }
    writer.Bytes(Bytes(200000, 0x5A));
    expected.insert(expected.end(), 200000, 0x5A);
    EXPECT_EQ(writer.Size(), expected.size());
    EXPECT_EQ(writer.Take(), expected);
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
