// SPDX-License-Identifier: MIT
#include "QuillonApp.h"

#include "EmbeddedServers.h"
#include "QuillonDlg.h"
#include "RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(QuillonApp, WithoutAutomationServicesItSaysSoAndShowsNoDialog)
{
    CRecordingMessages messages;
    bool dialogRan = false;
    CQuillonApp app(
        messages, [] { return std::unique_ptr<CEmbeddedServers>(); },
        [&](QuillonDlgServices&) { dialogRan = true; });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(dialogRan);
    const std::vector<CRecordingMessages::Message> expected{
        {"Could not initialize COM services", MB_OK}};
    EXPECT_EQ(messages.Messages(), expected);
}

TEST(QuillonApp, RunsTheMainDialogWhileTheServersAreRegistered)
{
    CRecordingMessages messages;
    bool serverReachable = false;
    CQuillonApp app(
        messages, [] { return std::make_unique<CEmbeddedServers>(); },
        [&](QuillonDlgServices& services) {
            CPresentationBuilder builder(services.messages, services.fileSystem);
            serverReachable = !builder.StartPowerPoint().IsEmpty();
        });
    EXPECT_FALSE(app.InitInstance()) << "nothing follows the dialog";
    EXPECT_TRUE(serverReachable);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
