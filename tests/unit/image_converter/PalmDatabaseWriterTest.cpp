// SPDX-License-Identifier: MIT
#include "PalmDatabaseWriter.h"

#include "PdbTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kSomeSecond = 1000000000; // 2001-09-09 01:46:40 UTC

class PalmDatabaseWriterTest : public ::testing::Test
{
protected:
    // Converts an image of that name and content; the result text.
    std::string Convert(const std::string& name, const Bytes& content)
    {
        WriteBytes(m_dir / name, content);
        std::string result;
        EXPECT_TRUE(m_writer.ConvertGifToPdb(m_dir / name, result)) << result;
        return result;
    }

    CTempFolder m_dir;
    CFixedClock m_clock{kSomeSecond};
    CPalmDatabaseWriter m_writer{m_clock};
};

TEST_F(PalmDatabaseWriterTest, WritesHeaderRecordListAndImageByteForByte)
{
    const std::string database = Convert("Logo.gif", {'G', 'I', 'F', '8', '9', 'a'});

    EXPECT_EQ(database, m_dir / "Logo.pdb");
    const Bytes expected = {
        '(',  'r',  'a',  'm',  ')',  ' ',  'L',  'o',  'g',  'o',
        '.',  'g',  'i',  'f',  0,    0, // name,
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,                // zero-filled
        0x08, 0x00, 0x00, 0x00,                         // bundle, version
        0xB7, 0xC0, 0x7A, 0x80, 0xB7, 0xC0, 0x7A, 0x80, // created, modified: 1904-based
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,               // backup, modnum, app info, sort info
        'W',  'a',  'l',  'l',  'A',  'c',  't',  'n', // type, creator
        0,    0,    0,    0,    0,    0,    0,    0,    0x00, 0x01, // seed, next list, one record
        0x00, 0x00, 0x00, 0x56, 0,    0,    0,    0, // record at 86: no filler before it
        'G',  'I',  'F',  '8',  '9',  'a'};
    EXPECT_EQ(ReadBytes(database), expected);
}

TEST_F(PalmDatabaseWriterTest, CutsTheImageIntoRecordsOfAtMost65000Bytes)
{
    const struct
    {
        std::size_t size;
        std::vector<std::uint32_t> offsets;
    } cases[] = {{0, {86}}, {65000, {86}}, {65001, {94, 65094}}, {130000, {94, 65094}}};
    for (const auto& [size, offsets] : cases) {
        SCOPED_TRACE(size);
        const Bytes image = Pattern(size);
        const Bytes database = ReadBytes(Convert("Image.gif", image));

        ASSERT_EQ(database.size(), 78 + 8 * offsets.size() + size);
        EXPECT_EQ(BigEndianAt(database, 76, 2), offsets.size());
        for (std::size_t i = 0; i < offsets.size(); ++i)
            EXPECT_EQ(BigEndianAt(database, 78 + 8 * i, 4), offsets[i]);
        EXPECT_EQ(Bytes(database.begin() + offsets[0], database.end()), image);
    }
}

TEST_F(PalmDatabaseWriterTest, HoldsAThousandRecordsAndRefusesAnyMore)
{
    std::string result;
    ASSERT_TRUE(m_writer.ConvertGifToPdb(SparseFile(m_dir / "Full.gif", 65000000), result));
    EXPECT_EQ(std::filesystem::file_size(result), 8078 + 65000000u);
    const Bytes head = ReadBytes(result, 8078);
    EXPECT_EQ(BigEndianAt(head, 76, 2), 1000u);
    EXPECT_EQ(BigEndianAt(head, 78 + 8 * 999, 4), 8078 + 999 * 65000u);

    const std::string tooLarge = SparseFile(m_dir / "Huge.gif", 65000001);
    EXPECT_FALSE(m_writer.ConvertGifToPdb(tooLarge, result));
    EXPECT_EQ(result,
              "Cannot convert " + tooLarge + ": an image may hold at most 65,000,000 bytes");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Huge.pdb"));
}

TEST_F(PalmDatabaseWriterTest, NamesTheDatabaseAfterTheFileIn31Characters)
{
    const std::string name25 = "abcdefghijklmnopqrstu.gif";
    const std::string name26 = "abcdefghijklmnopqrstuv.gif";
    const Bytes whole = ReadBytes(Convert(name25, {}));
    const Bytes cut = ReadBytes(Convert(name26, {}));

    EXPECT_EQ(std::string(reinterpret_cast<const char*>(whole.data())), "(ram) " + name25);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(cut.data())),
              "(ram) abcdefghijklmnopqrstu.gif");
    EXPECT_EQ(whole[31], 0);
}

TEST_F(PalmDatabaseWriterTest, AcceptsGifInAnyCaseAndNothingElse)
{
    EXPECT_EQ(Convert("Logo.GIF", {1}), m_dir / "Logo.pdb");

    for (const char* name : {"Logo.gifx", "Logo.jpg", "gif", "Logo.gif.txt"}) {
        WriteBytes(m_dir / name, {1});
        const auto before = m_dir.Names();
        std::string result;
        EXPECT_FALSE(m_writer.ConvertGifToPdb(m_dir / name, result)) << name;
        EXPECT_EQ(result, "Was expecting a GIF file!");
        EXPECT_EQ(m_dir.Names(), before) << name;
    }
}

TEST_F(PalmDatabaseWriterTest, ReplacesAnExistingDatabaseWhole)
{
    WriteBytes(m_dir / "Logo.pdb", Pattern(200000));
    const Bytes database = ReadBytes(Convert("Logo.gif", {1, 2, 3}));

    EXPECT_EQ(database.size(), 86 + 3u);
    EXPECT_EQ(m_dir.Names(), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
}

TEST_F(PalmDatabaseWriterTest, DatesBothFieldsWithTheConversionSecond)
{
    // Nothing but the clock varies between runs, so one second gives one file.
    const Bytes first = ReadBytes(Convert("Logo.gif", Pattern(70000)));
    EXPECT_EQ(ReadBytes(Convert("Logo.gif", Pattern(70000))), first);

    const CSystemClock systemClock;
    const std::int64_t before = systemClock.UnixSeconds();
    std::string result;
    ASSERT_TRUE(ConvertGifToPdb(m_dir / "Logo.gif", result)) << result;
    const std::int64_t after = systemClock.UnixSeconds();
    const Bytes database = ReadBytes(result);
    EXPECT_GE(BigEndianAt(database, 36, 4), before + 2082844800);
    EXPECT_LE(BigEndianAt(database, 36, 4), after + 2082844800);
    EXPECT_EQ(BigEndianAt(database, 40, 4), BigEndianAt(database, 36, 4));
}

} // namespace
