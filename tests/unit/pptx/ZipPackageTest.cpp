// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include "PackageContents.h"
#include "SafeFile.h"

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

TEST_F(ZipPackageTest, PartsAreMadeOnlyWhenWrittenAndStoredInOrder)
{
    int made = 0;
    CSafeFile file(m_path.string());
    ASSERT_GE(file.Descriptor(), 0) << file.Error();
    CZipPackage package(file.Descriptor());
    package.AddPart("b.xml", [&] { return std::to_string(++made); });
    package.AddPart("a/c.xml", [&] { return std::string(100000, 'x') + std::to_string(++made); });
    EXPECT_EQ(made, 0);
    package.Close();
    ASSERT_TRUE(file.Commit()) << file.Error();
    const auto parts = ReadPackage(m_path.string());
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(parts.at("b.xml"), "1");
    EXPECT_EQ(parts.at("a/c.xml").size(), 100001U);
    EXPECT_EQ(parts.at("a/c.xml").back(), '2');
}

TEST_F(ZipPackageTest, AStreamedPartIsMadeOnceForItsSizeAndOnceToWriteItPieceByPiece)
{
    // 300 pieces of 10,000 bytes, "a" to "z" over and over.
    class CLetters final : public IPartPieces
    {
    public:
        bool Next(std::string& piece) override
        {
            if (m_made == 300)
                return false;
            piece.assign(10000, static_cast<char>('a' + m_made++ % 26));
            return true;
        }

    private:
        int m_made = 0;
    };
    int made = 0;
    CSafeFile file(m_path.string());
    ASSERT_GE(file.Descriptor(), 0) << file.Error();
    CZipPackage package(file.Descriptor());
    package.AddPart("big.xml", [&] {
        ++made;
        return std::make_unique<CLetters>();
    });
    package.Close();
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(made, 2);
    const std::string big = ReadPackage(m_path.string()).at("big.xml");
    ASSERT_EQ(big.size(), 3000000U);
    for (std::size_t piece = 0; piece < 300; ++piece)
        ASSERT_EQ(big.find_first_not_of(static_cast<char>('a' + piece % 26), piece * 10000),
                  piece == 299 ? std::string::npos : (piece + 1) * 10000)
            << piece;
}

TEST_F(ZipPackageTest, APartThatFailsFailsTheArchiveWithItsOwnException)
{
    {
        CSafeFile file(m_path.string());
        CZipPackage package(file.Descriptor());
        package.AddPart("a.xml", [] { return std::string("a"); });
        package.AddPart("b.xml", []() -> std::string { throw std::length_error("too long"); });
        EXPECT_THROW(package.Close(), std::length_error);
    }
    EXPECT_EQ(Contents(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(ZipPackageTest, ADescriptorThatCannotBeWrittenFailsTheArchive)
{
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    CZipPackage package(fd);
    package.AddPart("a.xml", [] { return std::string("a"); });
    EXPECT_THROW(package.Close(), std::runtime_error);
    ::close(fd);
    EXPECT_EQ(Contents(), "old");
}

} // namespace
