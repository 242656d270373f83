// SPDX-License-Identifier: MIT
#include "FileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(LocalFileSystem, OnlyARegularFileThatOpensCanBeRead)
{
    CTempFolder folder;
    const CLocalFileSystem files;
    const std::string design = folder.Write("design.pot", "bytes").string();
    EXPECT_TRUE(files.CanReadFile(design));
    EXPECT_FALSE(files.CanReadFile(folder / "missing.pot"));
    EXPECT_FALSE(files.CanReadFile(folder.Path().string())) << "a folder";
    EXPECT_TRUE(files.FileExists(design));
    EXPECT_FALSE(files.FileExists(folder.Path().string()));
    // A pipe nobody writes to must not hang the test.
    const std::string pipe = folder / "pipe.pot";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(files.CanReadFile(pipe));
}

TEST(LocalFileSystem, AFileWithoutReadPermissionExistsButCannotBeRead)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file whatever its mode";
    CTempFolder folder;
    const CLocalFileSystem files;
    const std::string locked = folder.Write("locked.pot", "bytes").string();
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    EXPECT_TRUE(files.FileExists(locked)) << "so a save never takes its name";
    EXPECT_FALSE(files.CanReadFile(locked));
}

} // namespace
