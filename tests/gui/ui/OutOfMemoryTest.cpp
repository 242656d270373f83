// SPDX-License-Identifier: MIT
// A build that runs out of memory is not passed off as an internal error:
// it leaves the handler for the application object, which says so and ends.
#include "EmbeddedServers.h"
#include "FakeClipboard.h"
#include "MainDialogDoubles.h"
#include "OptionsStore.h"
#include "QuillonDlg.h"
#include "RecordingMessages.h"
#include "TempFolder.h"

#include <QSettings>
#include <gtest/gtest.h>
#include <new>

namespace {

class CExhaustedFileSystem final : public IFileSystem
{
public:
    bool FileExists(const std::string&) const override { throw std::bad_alloc(); }
};

TEST(MainDialogMemory, RunningOutOfMemoryInABuildLeavesTheHandler)
{
    CTempFolder folder;
    QSettings settings(QString::fromStdString(folder / "quillon.conf"), QSettings::IniFormat);
    COptionsStore store(settings);
    PresentationOptions options;
    options.m_save = 1;
    options.m_leave = 0;
    options.m_template = 0;
    options.m_saveFolder = folder.Path().string();
    store.SaveOptions(options);
    const CEmbeddedServers servers(folder.Path() / "no notes");
    CRecordingMessages messages;
    const CExhaustedFileSystem files;
    CNoPickers pickers;
    CFakeClipboard clipboard;
    clipboard.text = "Budget\nTitle\n";
    CRecordingDesktop desktop;
    CQuillonDlg dialog(QuillonDlgServices{messages, files, store, pickers, clipboard, desktop});
    EXPECT_THROW(dialog.OnCreatePresentation(), std::bad_alloc);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
