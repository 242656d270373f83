// SPDX-License-Identifier: MIT
#include "DesktopPresentationViewer.h"
#include "EmbeddedServers.h"
#include "FakeClipboard.h"
#include "MainDialogDoubles.h"
#include "OptionsStore.h"
#include "QuillonDlg.h"
#include "RecordingMessages.h"
#include "StandInOpener.h"
#include "WatchedDesktopOpen.h"

#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The main dialog wired as the program wires it: what a Create leaves open
// goes to the desktop's open action, here a stand-in for xdg-open.
class DesktopHandOff : public ::testing::Test
{
protected:
    std::unique_ptr<CQuillonDlg> Open(const std::string& opener)
    {
        std::filesystem::create_directory(folder.Path() / "Notes");
        folder.Write("Notes/Other.txt", "Other\nAnother note\n");
        PresentationOptions options;
        options.m_save = 0;
        options.m_leave = 1;
        options.m_template = 0;
        options.m_templateFile = folder / "design.pot";
        store.SaveOptions(options);
        const auto tell = [this](const std::string& text) {
            messages.ShowMessage(text, 0);
        };
        auto desktop = std::make_shared<CWatchedDesktopOpen>(tell, CDesktopLauncher(opener, 400ms));
        watch = desktop.get();
        servers = std::make_unique<CEmbeddedServers>(
            folder.Path() / "Notes", std::make_shared<CDesktopPresentationViewer>(tell, desktop),
            [this] { return building ? building->OutputFileName() : std::string(); });
        auto made = std::make_unique<CQuillonDlg>(
            QuillonDlgServices{messages, fileSystem, store, pickers, clipboard, helpDesktop});
        building = made.get();
        made->show();
        return made;
    }

    // Presses Create on the clipboard row; gives how long the press took.
    double Create(CQuillonDlg& shown)
    {
        clipboard.text = "Budget\nThe budget\n-Slide\n.Point\n";
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(shown.findChild<QPushButton*>("createButton"), Qt::LeftButton);
        return SecondsSince(start);
    }

    CStandInOpeners openers;
    CTempFolder folder;
    QSettings settings{QString::fromStdString(folder / "quillon.conf"), QSettings::IniFormat};
    COptionsStore store{settings};
    CRecordingMessages messages;
    CLocalFileSystem fileSystem;
    CNoPickers pickers;
    CFakeClipboard clipboard;
    CRecordingDesktop helpDesktop;
    std::unique_ptr<CEmbeddedServers> servers;
    CWatchedDesktopOpen* watch = nullptr;
    CQuillonDlg* building = nullptr;
};

TEST_F(DesktopHandOff, CreateReturnsAndTheDialogTakesInputWhileTheViewerRuns)
{
    openers.Script("viewer", "echo \"$1\" > \"$0.opened\"\nsleep 5\ntouch \"$0.closed\"\n");
    auto shown = Open(openers / "viewer");
    EXPECT_LT(Create(*shown), 1.0) << "the viewer runs for 5 s";
    QTreeWidget* list = shown->findChild<QTreeWidget*>("noteList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentItem()->text(0), "Other");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !ReadAll(openers / "viewer.opened").empty() && watch->Pending() == 0; },
        3000));
    EXPECT_FALSE(std::filesystem::exists(openers / "viewer.closed")) << "still running";
    // The unsaved presentation is shown from a copy named after the note.
    const std::string opened = ReadAll(openers / "viewer.opened");
    const std::filesystem::path copy = opened.substr(0, opened.find('\n'));
    EXPECT_EQ(copy.filename(), "Budget.ppt");
    EXPECT_TRUE(std::filesystem::is_regular_file(copy));
    std::filesystem::remove_all(copy.parent_path());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(DesktopHandOff, ALaunchThatFailsIsToldOnceAfterCreateReturned)
{
    auto shown = Open(openers / "failing");
    EXPECT_LT(Create(*shown), 1.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch->Pending() == 0; }, 3000));
    QTest::qWait(100);
    ASSERT_EQ(messages.Messages().size(), 1u);
    const std::string& text = messages.Messages()[0].text;
    EXPECT_TRUE(text.starts_with("The presentation \"")) << text;
    EXPECT_NE(text.find("/Budget.ppt\" could not be opened: the desktop has no program"),
              std::string::npos)
        << text;
}

} // namespace
