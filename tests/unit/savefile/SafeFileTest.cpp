// SPDX-License-Identifier: MIT
#include "SafeFile.h"

#include "NameClaim.h"
#include "TempFolder.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace {

using Names = std::set<std::string>;

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteAll(const CSafeFile& file, std::string_view bytes)
{
    ASSERT_EQ(::write(file.Descriptor(), bytes.data(), bytes.size()),
              static_cast<ssize_t>(bytes.size()));
}

mode_t ModeOf(const std::string& path)
{
    struct stat status
    {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// Each case runs with an unnamed temporary file and with the hidden name that
// stands in for it where the file system has no unnamed files.
class SafeFile : public ::testing::TestWithParam<CSafeFile::Temporary>
{
protected:
    CTempFolder folder;
    const std::string target = folder / "talk.ppt";
};

INSTANTIATE_TEST_SUITE_P(Temporaries, SafeFile,
                         ::testing::Values(CSafeFile::Temporary::Unnamed,
                                           CSafeFile::Temporary::HiddenName));

TEST_P(SafeFile, TheTargetChangesOnlyOnCommitAndNothingStaysBesideIt)
{
    folder.Write("talk.ppt", "old");
    {
        CSafeFile file(target, GetParam());
        WriteAll(file, "new content");
        EXPECT_EQ(ReadAll(target), "old");
        ASSERT_TRUE(file.Commit()) << file.Error();
        EXPECT_EQ(ReadAll(target), "new content");
    }
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
}

TEST_P(SafeFile, AFileNeverCommittedLeavesTheTargetAndNoTrace)
{
    folder.Write("talk.ppt", "old");
    {
        CSafeFile file(target, GetParam());
        WriteAll(file, "half");
    }
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
    {
        CSafeFile file(folder / "new.ppt", GetParam());
        WriteAll(file, "half");
    }
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
}

TEST_P(SafeFile, AReplacedFileKeepsItsPermissionBitsAndANewOneGetsTheUsualOnes)
{
    for (const mode_t mode : {0600U, 0664U, 0640U}) {
        folder.Write("talk.ppt", "old");
        ::chmod(target.c_str(), mode);
        CSafeFile file(target, GetParam());
        WriteAll(file, "new");
        ASSERT_TRUE(file.Commit()) << file.Error();
        EXPECT_EQ(ModeOf(target), mode);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    CSafeFile file(folder / "new.ppt", GetParam());
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(ModeOf(folder / "new.ppt"), 0666U & ~mask);
}

TEST_P(SafeFile, AReplacedFileKeepsItsGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs a group the file may be given to: run as root";
    folder.Write("talk.ppt", "old");
    ASSERT_EQ(::chown(target.c_str(), static_cast<uid_t>(-1), kNoGroup), 0);
    CSafeFile file(target, GetParam());
    ASSERT_TRUE(file.Commit()) << file.Error();
    struct stat status
    {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_gid, kNoGroup);
}

TEST_P(SafeFile, ANameAsLongAsTheFileSystemAllowsIsSaved)
{
    const std::string name = std::string(251, 'n') + ".ppt";
    folder.Write(name, "old");
    CSafeFile file(folder / name, GetParam());
    WriteAll(file, "new");
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(ReadAll(folder / name), "new");
    EXPECT_EQ(folder.Names(), Names{name});
}

TEST(SafeFileRefusal, AReadOnlyTargetIsRefusedAndStaysAsItWas)
{
    CTempFolder folder;
    const std::string target = folder / "talk.ppt";
    folder.Write("talk.ppt", "old");
    ::chmod(target.c_str(), 0444);
    ASSERT_TRUE(GiveToNobody(folder.Path()));
    ASSERT_TRUE(GiveToNobody(target));
    const int status = RunUnprivileged([&] {
        CSafeFile file(target);
        if (!file.TargetIsReadOnly() || file.Error() != "the file is read-only" || file.Commit())
            return 1;
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(ModeOf(target), 0444U);
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
}

TEST(SafeFileRefusal, AFolderThatIsNotThereOrAFolderAsTargetIsReported)
{
    CTempFolder folder;
    CSafeFile missing(folder / "absent/talk.ppt");
    EXPECT_EQ(missing.Descriptor(), -1);
    EXPECT_EQ(missing.Error(), "No such file or directory");
    std::filesystem::create_directory(folder / "talk.ppt");
    CSafeFile intoFolder(folder / "talk.ppt");
    EXPECT_FALSE(intoFolder.Commit());
    EXPECT_EQ(intoFolder.Error(), "Is a directory");
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
}

TEST(NameClaim, AClaimedNameIsTakenForEveryoneElseUntilItsSaveFails)
{
    CTempFolder folder;
    const std::string path = folder / "talk.ppt";
    EXPECT_EQ(NameClaim::Claim(path), NameClaim::Result::Claimed);
    EXPECT_EQ(NameClaim::Claim(path), NameClaim::Result::Taken);
    EXPECT_EQ(NameClaim::Claim(folder / "absent/talk.ppt"), NameClaim::Result::NotClaimed);
    NameClaim::End(path, false);
    EXPECT_TRUE(folder.Names().empty());

    ASSERT_EQ(NameClaim::Claim(path), NameClaim::Result::Claimed);
    NameClaim::End(path, true);
    EXPECT_EQ(folder.Names(), Names{"talk.ppt"});
}

TEST(NameClaim, AFailedSaveNeverRemovesAFileThatReplacedItsClaim)
{
    CTempFolder folder;
    const std::string path = folder / "talk.ppt";
    ASSERT_EQ(NameClaim::Claim(path), NameClaim::Result::Claimed);
    // Another save, told to overwrite, put its presentation there meanwhile.
    folder.Write("other.ppt", "another save's presentation");
    std::filesystem::rename(folder / "other.ppt", path);
    NameClaim::End(path, false);
    EXPECT_EQ(ReadAll(path), "another save's presentation");
}

} // namespace
