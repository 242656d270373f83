// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include "FileReplacement.h"
#include "PackageContents.h"
#include "PresentationFileWriter.h"

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
    ReplaceFileWith(m_path.string(), [&](const std::string& temporary) {
        CZipPackage package(temporary);
        package.AddPart("b.xml", [&] { return std::to_string(++made); });
        package.AddPart("a/c.xml",
                        [&] { return std::string(100000, 'x') + std::to_string(++made); });
        EXPECT_EQ(made, 0);
        package.Close();
    });
    const auto parts = ReadPackage(m_path.string());
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(parts.at("b.xml"), "1");
    EXPECT_EQ(parts.at("a/c.xml").size(), 100001U);
    EXPECT_EQ(parts.at("a/c.xml").back(), '2');
}

TEST_F(ZipPackageTest, APartThatFailsFailsTheSaveAndLeavesTheOldFile)
{
    EXPECT_THROW(ReplaceFileWith(m_path.string(),
                                 [](const std::string& temporary) {
                                     CZipPackage package(temporary);
                                     package.AddPart("a.xml", [] { return std::string("a"); });
                                     package.AddPart("b.xml", []() -> std::string {
                                         throw std::length_error("too long");
                                     });
                                     package.Close();
                                 }),
                 std::length_error);
    EXPECT_EQ(Contents(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(ZipPackageTest, AFolderThatIsMissingIsNamed)
{
    try {
        ReplaceFileWith((m_folder / "gone" / "x.pptx").string(), [](const std::string&) {});
        ADD_FAILURE() << "no error";
    } catch (const CSaveError& error) {
        EXPECT_NE(std::string(error.what()).find("does not exist"), std::string::npos)
            << error.what();
    }
}

} // namespace
