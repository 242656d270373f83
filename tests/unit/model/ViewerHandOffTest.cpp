// SPDX-License-Identifier: MIT
#include "ModelTestSupport.h"
#include "PptFileWriter.h"
#include "Presentations.h"
#include "RecordingViewer.h"

#include <filesystem>
#include <fstream>

namespace {

// A build that leaves the application shown and running hands each finished
// presentation to the desktop's viewer once the client lets go of it.
class ViewerHandOff : public CModelTest
{
protected:
    void SetUp() override
    {
        CModelTest::SetUp();
        m_services.viewer = m_viewer;
    }

    std::shared_ptr<CRecordingViewer> m_viewer = std::make_shared<CRecordingViewer>();
};

TEST_F(ViewerHandOff, ASavedPresentationIsShownFromItsFile)
{
    App().Activate();
    {
        const PowerPoint::Presentation presentation = NewPresentation();
        presentation.SaveAs("/talks/Budget.ppt", 1, 0);
        EXPECT_TRUE(m_viewer->shown.empty()) << "not while the client holds it";
    }
    EXPECT_EQ(m_viewer->shown, std::vector<std::string>{"/talks/Budget.ppt"});
}

TEST_F(ViewerHandOff, AnUnsavedPresentationIsShownFromACopyNamedAsTheClientCallsIt)
{
    m_services.fileWriter = std::make_shared<CPptFileWriter>();
    m_services.viewingName = [] {
        return std::string("Budget.ppt");
    };
    App().Activate();
    NewPresentation().GetSlides().Add(1, 1);
    ASSERT_EQ(m_viewer->shown.size(), 1u);
    const std::filesystem::path copy = m_viewer->shown[0];
    EXPECT_EQ(copy.filename().string(), "Budget.ppt");
    EXPECT_TRUE(copy.parent_path().filename().string().starts_with("quillon-view-"));
    EXPECT_TRUE(std::filesystem::is_regular_file(copy));
    EXPECT_TRUE(m_viewer->failures.empty());
    std::filesystem::remove_all(copy.parent_path());
}

TEST_F(ViewerHandOff, AnUnsavedPresentationOnAnOpenXmlDesignIsShownFromAPptxCopy)
{
    auto loader = std::make_shared<CFakeTemplateLoader>();
    loader->family = DesignFamily::OpenXml;
    m_services.templateLoader = loader;
    App().Activate();
    NewPresentation().ApplyTemplate("/designs/blue.potx");
    ASSERT_EQ(m_writer->calls.size(), 1u);
    EXPECT_EQ(m_writer->calls[0].fileFormat, 24);
    EXPECT_TRUE(m_writer->calls[0].path.ends_with("/Presentation.pptx")) << m_writer->calls[0].path;
    ASSERT_EQ(m_viewer->shown.size(), 1u);
    std::filesystem::remove_all(std::filesystem::path(m_viewer->shown[0]).parent_path());
}

TEST_F(ViewerHandOff, NothingIsShownUnlessTheApplicationWasShownAndKeptRunning)
{
    NewPresentation();
    EXPECT_TRUE(m_viewer->shown.empty()) << "never activated";
    {
        const PowerPoint::Presentation presentation = NewPresentation();
        App().Activate();
        App().Quit();
    }
    EXPECT_TRUE(m_viewer->shown.empty()) << "quit before it was let go";
}

TEST_F(ViewerHandOff, ACopyThatCannotBeWrittenIsReportedNotShown)
{
    m_writer->failWith = "Cannot save \"Presentation.ppt\": the disk is full.";
    App().Activate();
    NewPresentation();
    EXPECT_TRUE(m_viewer->shown.empty());
    EXPECT_EQ(m_viewer->failures,
              std::vector<std::string>{"The presentation could not be opened for viewing: Cannot "
                                       "save \"Presentation.ppt\": the disk is full."});
}

TEST_F(ViewerHandOff, ASavedTemplateIsNoPresentationToShow)
{
    App().Activate();
    {
        const PowerPoint::Presentation presentation = NewPresentation();
        presentation.SaveAs("/designs/blue.pot", 5, 0);
    }
    ASSERT_EQ(m_viewer->shown.size(), 1u);
    EXPECT_NE(m_viewer->shown[0], "/designs/blue.pot");
    std::filesystem::remove_all(std::filesystem::path(m_viewer->shown[0]).parent_path());
}

} // namespace
