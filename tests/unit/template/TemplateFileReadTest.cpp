// SPDX-License-Identifier: MIT
// Reading a template file: what is not a regular file is refused before a
// byte is read, and no read goes past the bound.
#include "FifoProbe.h"
#include "PotTemplateLoader.h"
#include "TemplateDesign.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string LoadError(const std::string& path)
{
    try {
        CPotTemplateLoader().Load(path);
    } catch (const CTemplateError& error) {
        return error.what();
    }
    return "(loaded)";
}

class TemplateFileRead : public ::testing::Test
{
protected:
    TemplateFileRead()
        : m_dir(fs::temp_directory_path() / ("quillon-template-read-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_dir);
    }
    ~TemplateFileRead() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

TEST_F(TemplateFileRead, APipeIsRefusedAtOnceWithoutWaitingForAWriter)
{
    const std::string pipe = m_dir / "design.pot";
    std::string error;
    EXPECT_TRUE(ReturnsPromptlyOnAPipe(pipe, [&] { error = LoadError(pipe); }));
    EXPECT_EQ(error, "Cannot apply the template \"" + pipe + "\": it is a pipe, not a file.");
}

TEST_F(TemplateFileRead, DevicesAndFoldersAreRefusedBeforeAnythingIsRead)
{
    // An endless device would otherwise be read until memory ran out.
    EXPECT_EQ(LoadError("/dev/zero"),
              "Cannot apply the template \"/dev/zero\": it is a device, not a file.");
    EXPECT_EQ(LoadError(m_dir.string()),
              "Cannot apply the template \"" + m_dir.string() + "\": it is a folder.");
}

TEST_F(TemplateFileRead, AFileOverTheBoundIsRefusedFromItsSize)
{
    const fs::path big = m_dir / "big.pot";
    {
        std::ofstream touch(big);
    }
    // Sparse: the refusal must come from the size, as reading would take a while.
    fs::resize_file(big, CPotTemplateLoader::kMaxFileSize + 1);
    EXPECT_EQ(LoadError(big), "Cannot apply the template \"" + big.string() +
                                  "\": it is larger than any design template (over 64 MB).");
    fs::resize_file(big, CPotTemplateLoader::kMaxFileSize);
    EXPECT_NE(LoadError(big).find("not a PowerPoint 97-2003"), std::string::npos);
}

} // namespace
