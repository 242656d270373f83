// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "PresentationBuilder.h"
#include "RecordingDispatch.h"
#include "ServerException.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Messages and server calls in one timeline, so their order can be checked.
class CTimelineMessages final : public IUserMessages
{
public:
    explicit CTimelineMessages(const CRecordingServer& server) : m_server(server) {}

    void ShowMessage(const std::string& text, unsigned boxType) override
    {
        m_events.push_back("after " + std::to_string(m_server.Calls().size()) + " calls: " + text +
                           " [" + std::to_string(boxType) + "]");
    }

    const Lines& Events() const { return m_events; }

private:
    const CRecordingServer& m_server;
    Lines m_events;
};

const char* const kTemplateMissing =
    "The specified template file can not be found. The template will not be applied.";

class FinishingSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PresentationOptions& options = builder.Options();
        options.m_template = 0;
        options.m_save = 0;
        options.m_leave = 0;
        options.m_overwrite = 0;
        options.m_saveFolder = "/talks";
        options.m_templateFile = "/designs/quillon.pot";
    }

    // The calls after the presentation was built, that is after the title.
    Lines FinishingCalls() const
    {
        const Lines& calls = server.Calls();
        return Lines(calls.begin() + kCallsOfTheNote, calls.end());
    }

    static constexpr long kCallsOfTheNote = 9;
    CRecordingServer server;
    CTimelineMessages messages{server};
    CFakeFileSystem files;
    CPresentationBuilder builder{messages, files};
};

TEST_F(FinishingSteps, NothingButQuitWhenTemplateAndSaveAreOff)
{
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(FinishingCalls(), Lines{"Application.Quit()"});
    EXPECT_TRUE(files.Asked().empty()) << "no existence test at all";
    EXPECT_TRUE(messages.Events().empty());
}

TEST_F(FinishingSteps, ATemplateThatExistsIsApplied)
{
    builder.Options().m_template = 1;
    files.AddFile("/designs/quillon.pot");
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(FinishingCalls(), (Lines{"Presentation.ApplyTemplate(\"/designs/quillon.pot\")",
                                       "Application.Quit()"}));
}

TEST_F(FinishingSteps, AFreePathIsSavedWithoutAMessage)
{
    builder.Options().m_save = 1;
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(FinishingCalls(),
              (Lines{"Presentation.SaveAs(\"/talks/Budget.ppt\", 1, 0)", "Application.Quit()"}));
    EXPECT_TRUE(messages.Events().empty());
}

TEST_F(FinishingSteps, OverwriteSavesOverATakenPathWithoutAMessage)
{
    builder.Options().m_save = 1;
    builder.Options().m_overwrite = 1;
    files.AddFile("/talks/Budget.ppt");
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(FinishingCalls().front(), "Presentation.SaveAs(\"/talks/Budget.ppt\", 1, 0)");
    EXPECT_TRUE(messages.Events().empty());
}

TEST_F(FinishingSteps, BothMessagesComeInOrderBeforeTheSaveUnderTheFirstFreeName)
{
    builder.Options().m_template = 1;
    builder.Options().m_save = 1;
    files.AddFile("/talks/Budget.ppt");
    files.AddFile("/talks/Budget1.ppt");
    builder.BuildPresentation("Budget\nTitle");
    const Lines expectedEvents{
        "after 9 calls: " + std::string(kTemplateMissing) + " [0]",
        "after 9 calls: The specified file already exists. The presentation has been saved as "
        "/talks/Budget2.ppt. [0]"};
    EXPECT_EQ(messages.Events(), expectedEvents);
    EXPECT_EQ(FinishingCalls(),
              (Lines{"Presentation.SaveAs(\"/talks/Budget2.ppt\", 1, 0)", "Application.Quit()"}));
}

TEST_F(FinishingSteps, FreeNamesCountOnPastTenAndEndInLowerCase)
{
    files.AddFile("/t/Budget.PPT");
    for (int n = 1; n <= 10; ++n)
        files.AddFile("/t/Budget" + std::to_string(n) + ".ppt");
    EXPECT_EQ(builder.MakeFreeFileName("/t/Budget.PPT"), "/t/Budget11.ppt");
    EXPECT_EQ(builder.MakeFreeFileName("/t/Other.PPT"), "/t/Other1.ppt");
}

TEST_F(FinishingSteps, AFailedApplyTemplateEndsTheBuildBeforeSaveAndQuit)
{
    builder.Options().m_template = 1;
    builder.Options().m_save = 1;
    files.AddFile("/designs/quillon.pot");
    server.FailOn("Presentation.ApplyTemplate(\"/designs/quillon.pot\")", "Not a design template.");
    EXPECT_THROW(builder.BuildPresentation("Budget\nTitle"), CServerException);
    EXPECT_EQ(FinishingCalls(), Lines{"Presentation.ApplyTemplate(\"/designs/quillon.pot\")"});
}

TEST_F(FinishingSteps, AFailedSaveEndsTheBuildBeforeQuit)
{
    builder.Options().m_save = 1;
    server.FailOn("Presentation.SaveAs(\"/talks/Budget.ppt\", 1, 0)", "Folder is read-only.");
    EXPECT_THROW(builder.BuildPresentation("Budget\nTitle"), CServerException);
    EXPECT_EQ(FinishingCalls(), Lines{"Presentation.SaveAs(\"/talks/Budget.ppt\", 1, 0)"});
    EXPECT_EQ(files.Ended(), Lines{"/talks/Budget.ppt dropped"})
        << "the claimed name is free again";
}

TEST_F(FinishingSteps, TheNameIsClaimedBeforeTheSaveAndKeptAfterIt)
{
    builder.Options().m_save = 1;
    files.AddFile("/talks/Budget.ppt");
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(files.Asked(), (Lines{"/talks/Budget.ppt", "/talks/Budget1.ppt"}));
    EXPECT_EQ(files.Ended(), Lines{"/talks/Budget1.ppt saved"});
    builder.Options().m_overwrite = 1;
    builder.BuildPresentation("Budget\nTitle");
    EXPECT_EQ(files.Ended().size(), 1u) << "a save that replaces claims nothing";
}

TEST_F(FinishingSteps, TheTemplateIsStillTestedWhenNoPresentationWasMade)
{
    builder.Options().m_template = 1;
    builder.BuildPresentation("Budget");
    EXPECT_EQ(server.Calls(), Lines{"Application.Quit()"});
    EXPECT_EQ(messages.Events(), Lines{"after 0 calls: " + std::string(kTemplateMissing) + " [0]"});
}

} // namespace
