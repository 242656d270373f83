// SPDX-License-Identifier: MIT
// Run from inside an install tree: the install test copies this program into
// <prefix>/bin beside the installed ones and starts it from an unrelated
// folder, with the prefix as its one argument. It then finds its data the way
// the installed programs do, by its own place on disk, and the build tree it
// came from must not be what it finds.
#include "EmbeddedServers.h"
#include "FakeClipboard.h"
#include "FileSystem.h"
#include "InstallPaths.h"
#include "MainDialogDoubles.h"
#include "OptionsStore.h"
#include "QuillonDlg.h"
#include "RecordingMessages.h"
#include "TempFolder.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>

namespace {

std::filesystem::path g_prefix;

std::filesystem::path Installed(const std::string& relative)
{
    return std::filesystem::weakly_canonical(g_prefix / "share" / "quillon" / relative);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(InstalledProgram, FindsItsDataInThePrefixItWasInstalledInto)
{
    ASSERT_EQ(std::filesystem::weakly_canonical(ProgramDirectory()),
              std::filesystem::weakly_canonical(g_prefix / "bin"))
        << "the test must run from the install tree's bin folder";
    const auto help = FindDataFile("help/index.html");
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(std::filesystem::weakly_canonical(*help), Installed("help/index.html"));
    EXPECT_FALSE(FindDataFile("help/no-such-page.html").has_value());
}

TEST(InstalledProgram, FindsTheInstalledDefaultTemplateOfEachFormat)
{
    for (const char* name : {"quillon.pot", "quillon.potx"}) {
        const auto design = FindDataFile(name);
        ASSERT_TRUE(design.has_value()) << name;
        EXPECT_EQ(std::filesystem::weakly_canonical(*design), Installed(name));
    }
}

TEST(InstalledProgram, HelpButtonOpensTheInstalledHelpPage)
{
    CTempFolder home;
    QSettings settings(QString::fromStdString(home / "quillon.conf"), QSettings::IniFormat);
    COptionsStore store(settings);
    CRecordingMessages messages;
    CLocalFileSystem fileSystem;
    CNoPickers pickers;
    CFakeClipboard clipboard;
    CRecordingDesktop desktop;
    const CEmbeddedServers servers(home.Path() / "no-notes");
    CQuillonDlg dialog(
        QuillonDlgServices{messages, fileSystem, store, pickers, clipboard, desktop});
    dialog.show();

    QTest::mouseClick(dialog.findChild<QPushButton*>("helpButton"), Qt::LeftButton);

    ASSERT_EQ(desktop.opened.size(), 1u);
    const QUrl& page = desktop.opened[0];
    ASSERT_TRUE(page.isLocalFile()) << page.toString().toStdString();
    const std::filesystem::path file = page.toLocalFile().toStdString();
    EXPECT_EQ(std::filesystem::weakly_canonical(file), Installed("help/index.html"));
    // The page and what it links to came along, not just the one file.
    EXPECT_NE(ReadFile(file).find("href=\"converter.html\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(Installed("help/converter.html")));
    EXPECT_TRUE(std::filesystem::is_regular_file(Installed("help/help.css")));
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon"));
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " [gtest options] PREFIX\n";
        return 2;
    }
    g_prefix = argv[1];
    return RUN_ALL_TESTS();
}
