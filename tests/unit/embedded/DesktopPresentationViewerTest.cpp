#include "DesktopPresentationViewer.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// The open program stands in for xdg-open: "true" opens anything, "false"
// finds no program, and a name that does not exist cannot be started.
TEST(DesktopPresentationViewer, SaysNothingWhenTheDesktopOpensThePresentation)
{
    Strings reports;
    CDesktopPresentationViewer viewer([&](const std::string& text) { reports.push_back(text); },
                                      "true");
    viewer.Show("/talks/Budget.ppt");
    EXPECT_TRUE(reports.empty());
}

TEST(DesktopPresentationViewer, ReportsADesktopThatCannotOpenItInOneMessage)
{
    Strings reports;
    CDesktopPresentationViewer viewer([&](const std::string& text) { reports.push_back(text); },
                                      "false");
    viewer.Show("/talks/Budget.ppt");
    EXPECT_EQ(reports, Strings{"The presentation \"/talks/Budget.ppt\" could not be opened: the "
                               "desktop has no program that shows presentations, or it did not "
                               "start."});
}

TEST(DesktopPresentationViewer, ReportsAnOpenProgramThatIsNotThere)
{
    Strings reports;
    CDesktopPresentationViewer viewer([&](const std::string& text) { reports.push_back(text); },
                                      "no-such-open-program-here");
    viewer.Show("/talks/Budget.ppt");
    EXPECT_EQ(reports.size(), 1u);
    viewer.ReportFailure("The presentation could not be opened for viewing: disk full");
    EXPECT_EQ(reports.back(), "The presentation could not be opened for viewing: disk full");
}

} // namespace
