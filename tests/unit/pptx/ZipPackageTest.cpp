// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include "PackageContents.h"
#include "SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ZipPackageTest : public ::testing::Test
{
protected:
    fs::path m_folder = fs::temp_directory_path() / ("zip-test-" + std::to_string(::getpid()));
    fs::path m_path = m_folder / "Talk.pptx";

    void SetUp() override
    {
        fs::create_directories(m_folder);
        std::ofstream(m_path) << "old";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Contents() const
    {
        std::ifstream in(m_path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ZipPackageTest, PartsAreStoredWhole)
{
    CSafeFile file(m_path.string());
    ASSERT_GE(file.Descriptor(), 0) << file.Error();
    CZipPackage package(file.Descriptor());
    package.AddPart("b.xml", "1");
    package.AddPart("a/c.xml", std::string(100000, 'x') + "2");
    package.AddPart("empty.xml", "");
    package.Close();
    ASSERT_TRUE(file.Commit()) << file.Error();
    const auto parts = ReadPackage(m_path.string());
    ASSERT_EQ(parts.size(), 3U);
    EXPECT_EQ(parts.at("b.xml"), "1");
    EXPECT_EQ(parts.at("a/c.xml").size(), 100001U);
    EXPECT_EQ(parts.at("a/c.xml").back(), '2');
    EXPECT_EQ(parts.at("empty.xml"), "");
}

// 300 pieces of 10,000 bytes that deflate cannot shrink, so the archive is
// larger than the writer's buffer and entry headers are filled in behind it.
class CNoise final : public IPartPieces
{
public:
    bool Next(std::string& piece) override
    {
        if (m_made == 300)
            return false;
        ++m_made;
        piece.resize(10000);
        for (char& c : piece) {
            m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
            c = static_cast<char>(m_state >> 56);
        }
        return true;
    }

private:
    int m_made = 0;
    unsigned long long m_state = 1;
};

TEST_F(ZipPackageTest, AStreamedPartIsWrittenPieceByPiece)
{
    CSafeFile file(m_path.string());
    ASSERT_GE(file.Descriptor(), 0) << file.Error();
    CZipPackage package(file.Descriptor());
    package.AddPart("before.xml", "small");
    CNoise written;
    package.AddPart("big.bin", written);
    package.AddPart("after.xml", "small too");
    package.Close();
    ASSERT_TRUE(file.Commit()) << file.Error();
    std::string expected;
    CNoise noise;
    for (std::string piece; noise.Next(piece);)
        expected += piece;
    const auto parts = ReadPackage(m_path.string());
    EXPECT_EQ(parts.at("before.xml"), "small");
    EXPECT_TRUE(parts.at("big.bin") == expected);
    EXPECT_EQ(parts.at("after.xml"), "small too");
}

// Fails after its first piece, part way through its entry.
class CFailingPieces final : public IPartPieces
{
public:
    bool Next(std::string& piece) override
    {
        if (m_made++ == 1)
            throw std::length_error("too long");
        piece = "first";
        return true;
    }

private:
    int m_made = 0;
};

TEST_F(ZipPackageTest, PiecesThatFailAbandonTheArchiveWithTheirOwnException)
{
    {
        CSafeFile file(m_path.string());
        CZipPackage package(file.Descriptor());
        package.AddPart("a.xml", "a");
        CFailingPieces failing;
        EXPECT_THROW(package.AddPart("b.xml", failing), std::length_error);
    }
    EXPECT_EQ(Contents(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(ZipPackageTest, ADescriptorThatCannotBeWrittenFailsTheArchiveWithTheReason)
{
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    try {
        CZipPackage package(fd);
        package.AddPart("a.xml", "a");
        package.Close();
        ADD_FAILURE() << "closed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), std::strerror(EBADF));
    }
    ::close(fd);
    EXPECT_EQ(Contents(), "old");
}

} // namespace
