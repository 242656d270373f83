// SPDX-License-Identifier: MIT
#include "DesktopPresentationViewer.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct CRecordingOpenAction final : IDesktopOpenAction
{
    Strings opened;
    Strings failureTexts;
    void Open(const std::string& path, const std::string& failureText) noexcept override
    {
        opened.push_back(path);
        failureTexts.push_back(failureText);
    }
};

TEST(DesktopPresentationViewer, HandsThePresentationOverWithTheMessageForAFailedLaunch)
{
    Strings reports;
    auto desktop = std::make_shared<CRecordingOpenAction>();
    CDesktopPresentationViewer viewer([&](const std::string& text) { reports.push_back(text); },
                                      desktop);
    viewer.Show("/talks/Budget.ppt");
    EXPECT_EQ(desktop->opened, Strings{"/talks/Budget.ppt"});
    EXPECT_EQ(desktop->failureTexts,
              Strings{"The presentation \"/talks/Budget.ppt\" could not be opened: the desktop "
                      "has no program that shows presentations, or it did not start."});
    EXPECT_TRUE(reports.empty()) << "the open action tells of a failed launch";

    viewer.ReportFailure("The presentation could not be opened for viewing: disk full");
    EXPECT_EQ(reports, Strings{"The presentation could not be opened for viewing: disk full"});
}

} // namespace
