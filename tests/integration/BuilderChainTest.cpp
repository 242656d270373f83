// SPDX-License-Identifier: MIT
#include "DispatchObject.h"
#include "FakeFileSystem.h"
#include "PresentationBuilder.h"
#include "RecordingDispatch.h"
#include "RecordingMessages.h"
#include "ServerException.h"
#include "WorkedExample.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

void Append(Lines& lines, const Lines& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The chains the application expects, written out from its object model.
Lines TitleChain(const std::string& slide, const std::string& text)
{
    const std::string title = slide + ".Rectangle 2";
    return {slide + ".Shapes", slide + ".Shapes.Item(\"Rectangle 2\")", title + ".TextFrame",
            title + ".TextFrame.TextRange", title + ".TextFrame.TextRange.Text = " + Quoted(text)};
}

Lines TitleSlide(const std::string& title)
{
    Lines lines{"Application.Presentations", "Presentations.Add(1)", "Presentation.Slides",
                "Slides.Add(1, 1)"};
    Append(lines, TitleChain("Slide1", title));
    return lines;
}

Lines AddedSlide(int number, int layout, const std::string& title)
{
    Lines lines{"Presentation.Slides", "Slides.Count",
                "Slides.Add(" + std::to_string(number) + ", " + std::to_string(layout) + ")"};
    Append(lines, TitleChain("Slide" + std::to_string(number), title));
    return lines;
}

Lines Bullet(int slideNumber, const std::string& placeholder, const std::string& text, bool first,
             int level)
{
    const std::string slide = "Slide" + std::to_string(slideNumber);
    const std::string shape = slide + "." + placeholder;
    return {slide + ".Shapes",
            slide + ".Shapes.Item(" + Quoted(placeholder) + ")",
            shape + ".TextFrame",
            shape + ".TextFrame.TextRange",
            shape + ".TextFrame.TextRange.InsertAfter(" + Quoted(first ? text : "\r\n" + text) +
                ")",
            shape + ".TextFrame.TextRange",
            shape + ".TextFrame.TextRange.Paragraphs(2147483647, 1)",
            shape + ".TextFrame.Paragraph.IndentLevel = " + std::to_string(level)};
}

class BuilderChain : public ::testing::Test
{
protected:
    BuilderChain() : m_liveBefore(CDispatchObject::LiveObjects()) {}

    void SetUp() override
    {
        // Quiet defaults: no template, no save, application left open.
        builder.Options().m_template = 0;
        builder.Options().m_save = 0;
        builder.Options().m_leave = 1;
    }

    long LiveObjectsOfTheTest() const { return CDispatchObject::LiveObjects() - m_liveBefore; }

    long m_liveBefore;
    CRecordingServer server;
    CRecordingMessages messages;
    CFakeFileSystem files;
    CPresentationBuilder builder{messages, files};
};

TEST_F(BuilderChain, TheWorkedExampleMakesExactlyTheExpectedCalls)
{
    builder.BuildPresentation(kWorkedExampleNote);

    Lines expected{"Application.Activate()"};
    Append(expected, TitleSlide("Sales figures Q3"));
    Append(expected, AddedSlide(2, 2, "Agenda"));
    Append(expected, Bullet(2, "Rectangle 3", "Results", true, 1));
    Append(expected, Bullet(2, "Rectangle 3", "By region", false, 2));
    Append(expected, Bullet(2, "Rectangle 3", "Outlook", false, 1));
    Append(expected, AddedSlide(3, 3, "Pros and cons"));
    Append(expected, Bullet(3, "Rectangle 3", "Fast", true, 1));
    Append(expected, Bullet(3, "Rectangle 3", "Cheap", false, 1));
    Append(expected, Bullet(3, "Rectangle 4", "Slow", true, 1));
    Append(expected, Bullet(3, "Rectangle 4", ".Fragile", false, 4));
    Append(expected, Bullet(3, "Rectangle 4", " Late", false, 1));
    Append(expected, AddedSlide(4, 2, "Thanks"));
    EXPECT_EQ(server.Calls(), expected);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(builder.ColumnTotal(), -1);
    EXPECT_EQ(builder.BulletCount(), 0);
    EXPECT_EQ(LiveObjectsOfTheTest(), 1) << "only the application stays held";
}

TEST_F(BuilderChain, AnApplicationThatCannotStartIsReportedOnceAndNothingElseHappens)
{
    server.SetStartFails(true);
    builder.Options().m_template = 1;
    builder.Options().m_leave = 0;
    builder.BuildPresentation(kWorkedExampleNote);
    EXPECT_TRUE(server.Calls().empty());
    const std::vector<CRecordingMessages::Message> expected{
        {"Could not start PowerPoint", MB_OK | MB_SETFOREGROUND}};
    EXPECT_EQ(messages.Messages(), expected);
    EXPECT_TRUE(files.Asked().empty()) << "no finishing step runs";
    EXPECT_TRUE(builder.CurrentApplication().IsEmpty());
}

TEST_F(BuilderChain, ActivateOnlyWhenLeavingOpenAndQuitOnlyWhenNot)
{
    builder.Options().m_leave = 0;
    builder.BuildPresentation("name\ntitle");
    Lines expected = TitleSlide("title");
    expected.push_back("Application.Quit()");
    EXPECT_EQ(server.Calls(), expected);
}

TEST_F(BuilderChain, FewerThanTwoCountedLinesCreateNoPresentation)
{
    builder.Options().m_leave = 0;
    builder.Options().m_save = 1;
    builder.Options().m_saveFolder = "/talks";
    files.AddFile("/talks/name.ppt");
    builder.BuildPresentation("  \n name \n\n");
    EXPECT_EQ(server.Calls(), Lines{"Application.Quit()"});
    EXPECT_TRUE(messages.Messages().empty()) << "nothing was saved, so no name is claimed";
    EXPECT_TRUE(files.Asked().empty());
}

TEST_F(BuilderChain, BulletsBeforeTheFirstSlideCauseNoCall)
{
    builder.BuildPresentation("name\ntitle\n.early\n..earlier\n");
    Lines expected{"Application.Activate()"};
    Append(expected, TitleSlide("title"));
    EXPECT_EQ(server.Calls(), expected);
}

TEST_F(BuilderChain, EdgeSlides)
{
    builder.BuildPresentation("name\ntitle\n-\n.\n--Solo\n.only\n--\n");
    Lines expected{"Application.Activate()"};
    Append(expected, TitleSlide("title"));
    Append(expected, AddedSlide(2, 2, ""));
    Append(expected, Bullet(2, "Rectangle 3", ".", true, 0));
    Append(expected, AddedSlide(3, 3, "Solo"));
    Append(expected, Bullet(3, "Rectangle 4", "only", true, 1));
    Append(expected, AddedSlide(4, 3, ""));
    EXPECT_EQ(server.Calls(), expected);
    EXPECT_EQ(builder.ColumnTotal(), 0);
}

// A bullet's text may hold a paragraph break of its own, so the level is
// asked for on the placeholder's last paragraph, never on a paragraph counted
// by bullets; the real server's answer is read back in the reader tests.
TEST_F(BuilderChain, ABulletWithABreakInItsTextStillSetsTheLastParagraph)
{
    builder.BuildPresentation("name\ntitle\n-Breaks\n.A\rB\n..C\n");
    Lines expected{"Application.Activate()"};
    Append(expected, TitleSlide("title"));
    Append(expected, AddedSlide(2, 2, "Breaks"));
    Append(expected, Bullet(2, "Rectangle 3", "A\rB", true, 1));
    Append(expected, Bullet(2, "Rectangle 3", "C", false, 2));
    EXPECT_EQ(server.Calls(), expected);
}

TEST_F(BuilderChain, AServerExceptionEndsTheBuildAndReleasesEveryReference)
{
    builder.Options().m_template = 1;
    builder.Options().m_leave = 0;
    server.FailOn("Slide2.Shapes.Item(\"Rectangle 3\")", "No shape named Rectangle 3.");
    try {
        builder.BuildPresentation(kWorkedExampleNote);
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.ErrorText(), "No shape named Rectangle 3.");
    }
    EXPECT_EQ(server.Calls().back(), "Slide2.Shapes.Item(\"Rectangle 3\")");
    EXPECT_TRUE(files.Asked().empty()) << "no template step";
    EXPECT_EQ(LiveObjectsOfTheTest(), 1) << "only the application stays held";

    // The next build starts afresh with a new application.
    server.ClearCalls();
    builder.BuildPresentation("name\ntitle\n--Two\n.a\n.b\n");
    EXPECT_EQ(server.Starts(), 2);
    EXPECT_EQ(builder.ColumnTotal(), 2);
    EXPECT_EQ(server.Calls().back(), "Application.Quit()");
    EXPECT_EQ(LiveObjectsOfTheTest(), 1);
}

TEST_F(BuilderChain, TheNextBuildTakesItsApplicationBeforeReleasingTheOld)
{
    builder.BuildPresentation("a\nb");
    builder.BuildPresentation("a\nb");
    EXPECT_EQ(server.Starts(), 2);
    EXPECT_EQ(LiveObjectsOfTheTest(), 1);
}

TEST_F(BuilderChain, TextReachesTheApplicationByteForByte)
{
    builder.BuildPresentation("name\nCafé – 東京\n-Über\n.naïve 😀\n");
    const Lines& calls = server.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(),
                        "Slide1.Rectangle 2.TextFrame.TextRange.Text = \"Café – 東京\""),
              calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(),
                        "Slide2.Rectangle 3.TextFrame.TextRange.InsertAfter(\"naïve 😀\")"),
              calls.end());
}

} // namespace
