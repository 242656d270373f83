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

TEST_F(ZipPackageTest, AStreamedPartIsMadeOnceForItsSizeAndOnceToWriteItPieceByPiece)
{
    int made = 0;
    CSafeFile file(m_path.string());
    ASSERT_GE(file.Descriptor(), 0) << file.Error();
    CZipPackage package(file.Descriptor());
    package.AddPart("before.xml", [] { return std::string("small"); });
    package.AddPart("big.bin", [&] {
        ++made;
        return std::make_unique<CNoise>();
    });
    package.AddPart("after.xml", [] { return std::string("small too"); });
    package.Close();
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(made, 2);
    std::string expected;
    CNoise noise;
    for (std::string piece; noise.Next(piece);)
        expected += piece;
    const auto parts = ReadPackage(m_path.string());
    EXPECT_EQ(parts.at("before.xml"), "small");
    EXPECT_TRUE(parts.at("big.bin") == expected);
    EXPECT_EQ(parts.at("after.xml"), "small too");
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
