// SPDX-License-Identifier: MIT
#include "CompoundFileReader.h"
#include "CompoundFileWriter.h"
#include "PptFormat.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size, std::uint8_t seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

std::uint32_t U32(const Bytes& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

// Streams below and above the 4096-byte mini-stream cutoff both come back.
TEST(CompoundFile, StreamsOnBothSidesOfTheMiniStreamCutoffRoundTrip)
{
    const Bytes small = Pattern(53, 1);
    const Bytes large = Pattern(70000, 9);
    CCompoundFileWriter writer;
    writer.AddStream("Current User", small);
    writer.AddStream("PowerPoint Document", large);
    const Bytes file = writer.Finish();

    const CCompoundFileReader reader(file);
    EXPECT_EQ(reader.StreamNames(),
              (std::vector<std::string>{"Current User", "PowerPoint Document"}));
    EXPECT_EQ(reader.ReadStream("Current User"), small);
    EXPECT_EQ(reader.ReadStream("PowerPoint Document"), large);
    EXPECT_FALSE(reader.ReadStream("Pictures").has_value());
}

TEST(CompoundFile, HeaderIsVersion3WithThePresentationClassOnTheRoot)
{
    CCompoundFileWriter writer;
    writer.SetRootClassId(kPresentationClassId);
    writer.AddStream("Current User", Pattern(10, 0));
    const Bytes file = writer.Finish();
    ASSERT_GE(file.size(), 1024u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8),
              (Bytes{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1}));
    EXPECT_EQ(file[0x1A], 3); // major version
    EXPECT_EQ(file[0x1E], 9); // 512-byte sectors
    EXPECT_EQ(U32(file, 0x38), 4096u);
    const std::size_t directory = (U32(file, 0x30) + 1) * 512;
    EXPECT_EQ(file[directory + 0x42], 5); // the root entry
    EXPECT_EQ(Bytes(file.begin() + static_cast<std::ptrdiff_t>(directory + 0x50),
                    file.begin() + static_cast<std::ptrdiff_t>(directory + 0x60)),
              Bytes(std::begin(kPresentationClassId), std::end(kPresentationClassId)));
}

TEST(CompoundFile, ReaderRefusesWhatIsNotACompoundFile)
{
    EXPECT_THROW(CCompoundFileReader(Pattern(2048, 3)), std::runtime_error);
    try {
        CCompoundFileReader reader(std::string("no-such-folder/no-such-file.ppt"));
        FAIL() << "opened a file that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("no-such-file.ppt"), std::string::npos);
    }
}

} // namespace
