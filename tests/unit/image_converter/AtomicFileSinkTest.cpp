// SPDX-License-Identifier: MIT
#include "AtomicFileSink.h"

#include "PalmDatabaseWriter.h"
#include "PdbTestSupport.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const Bytes kNew = {1, 2, 3};
const Bytes kOld = {9, 9};

TEST(AtomicFileSinkTest, WritesBesideTheTargetAndReplacesItOnlyOnCommit)
{
    CTempFolder dir;
    WriteBytes(dir / "a.pdb", kOld);
    CAtomicFileSink sink(dir / "a.pdb");
    sink.Write(kNew);

    EXPECT_EQ(ReadBytes(dir / "a.pdb"), kOld);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"a.pdb"})
        << "the bytes wait in a file without a name";
    EXPECT_TRUE(sink.Commit()) << sink.ErrorText();
    EXPECT_EQ(ReadBytes(dir / "a.pdb"), kNew);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"a.pdb"});
}

TEST(AtomicFileSinkTest, ASinkNeverCommittedLeavesNoTrace)
{
    CTempFolder dir;
    WriteBytes(dir / "a.pdb", kOld);
    CAtomicFileSink(dir / "a.pdb").Write(kNew);

    EXPECT_EQ(ReadBytes(dir / "a.pdb"), kOld);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"a.pdb"});
}

TEST(AtomicFileSinkTest, AFileThatCannotBeCreatedIsReportedAtCommit)
{
    CTempFolder dir;
    const std::string target = dir / "missing/a.pdb";
    CAtomicFileSink sink(target);
    sink.Write(kNew);

    EXPECT_FALSE(sink.Commit());
    EXPECT_EQ(sink.ErrorText(), "Cannot write to " + target);
    EXPECT_TRUE(dir.Names().empty());
}

TEST(AtomicFileSinkTest, ANewFileGetsTheUsualPermissions)
{
    CTempFolder dir;
    const mode_t mask = ::umask(022);
    CAtomicFileSink sink(dir / "a.pdb");
    EXPECT_TRUE(sink.Commit());
    ::umask(mask);

    struct stat status
    {};
    ASSERT_EQ(::stat((dir / "a.pdb").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u) << "not the owner-only mode of a temporary file";
}

TEST(AtomicFileSinkTest, AReadOnlyDatabaseIsNotReplacedAndTheConversionSaysSo)
{
    CTempFolder dir;
    WriteBytes(dir / "Logo.gif", kNew);
    WriteBytes(dir / "Logo.pdb", kOld);
    ::chmod((dir / "Logo.pdb").c_str(), 0444);
    for (const std::string name : {"", "Logo.gif", "Logo.pdb"})
        ASSERT_TRUE(GiveToNobody(dir / name));
    const std::string expected = "Cannot write to " + dir / "Logo.pdb";
    const int status = RunUnprivileged([&] {
        std::string result;
        return !ConvertGifToPdb(dir / "Logo.gif", result) && result == expected ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "Logo.pdb"), kOld);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
}

} // namespace
