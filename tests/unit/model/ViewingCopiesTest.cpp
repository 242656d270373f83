// SPDX-License-Identifier: MIT
#include "ViewingCopies.h"

#include "TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void MakeOld(const std::filesystem::path& path, std::chrono::hours age)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch() - age)
                             .count();
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

TEST(ViewingCopies, TheCopyIsNamedAfterTheNotesFileNameMadeSafeAsOneName)
{
    EXPECT_EQ(ViewingCopies::FileName("Budget.ppt"), "Budget.ppt");
    EXPECT_EQ(ViewingCopies::FileName("Budget.PPT"), "Budget.ppt");
    EXPECT_EQ(ViewingCopies::FileName("Café – 東京.ppt"), "Café – 東京.ppt");
    EXPECT_EQ(ViewingCopies::FileName("../up/and\tout\x7f.ppt"), ".._up_and_out_.ppt");
    EXPECT_EQ(ViewingCopies::FileName("Caf\xE9.ppt"), "Café.ppt") << "read as Windows-1252";
    for (const char* nothing : {"", ".ppt", "..ppt", " . .ppt"})
        EXPECT_EQ(ViewingCopies::FileName(nothing), "Presentation.ppt") << nothing;
    // A long name is cut before a character, never inside one.
    EXPECT_EQ(ViewingCopies::FileName(std::string(199, 'a') + "\xC3\xA9" + std::string(300, 'z')),
              std::string(199, 'a') + ".ppt");
}

TEST(ViewingCopies, OnlyOurOwnCopiesOlderThanADayAreRemoved)
{
    const CTempFolder parent;
    const CTempFolder elsewhere;
    const auto old = ViewingCopies::MakeFolder(parent.Path());
    parent.Write(old.filename().string() + "/Budget.ppt", "copy");
    MakeOld(old, std::chrono::hours(25));
    const auto fresh = ViewingCopies::MakeFolder(parent.Path());
    MakeOld(fresh, std::chrono::hours(23));
    std::filesystem::create_directory(parent.Path() / "other-folder");
    MakeOld(parent.Path() / "other-folder", std::chrono::hours(48));
    // A link in a copy's name must not lead the removal elsewhere.
    elsewhere.Write("keep.txt", "keep");
    std::filesystem::create_directory_symlink(elsewhere.Path(), parent.Path() / "quillon-view-ln");
    MakeOld(parent.Path() / "quillon-view-ln", std::chrono::hours(48));

    EXPECT_EQ(ViewingCopies::RemoveStale(parent.Path()), 1);
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_TRUE(std::filesystem::exists(parent.Path() / "other-folder"));
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "keep.txt"));
    EXPECT_EQ(ViewingCopies::RemoveStale(parent.Path() / "missing"), 0);
}

} // namespace
