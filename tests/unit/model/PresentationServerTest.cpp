// SPDX-License-Identifier: MIT
#include "PresentationServer.h"

#include "DispatchTable.h"
#include "ModelTestSupport.h"
#include "ServerExceptionAssert.h"

class PresentationServerTest : public CModelTest
{
protected:
    CPresentationServer m_server{PresentationServices{}};
};

TEST_F(PresentationServerTest, EachCreationByProgIdStartsAnApplicationOfItsOwn)
{
    const CProgIdRegistration registration(std::string(kPresentationServerProgId),
                                           m_server.Factory());
    PowerPoint::Application first;
    PowerPoint::Application second;
    ASSERT_TRUE(first.CreateDispatch("Powerpoint.Application"));
    ASSERT_TRUE(second.CreateDispatch("POWERPOINT.APPLICATION"));
    ASSERT_NE(dynamic_cast<CApplicationObject*>(first.GetDispatch()), nullptr);
    ASSERT_NE(first.GetDispatch(), second.GetDispatch());

    first.GetPresentations().Add(1);
    EXPECT_EQ(dynamic_cast<CApplicationObject*>(first.GetDispatch())->Presentations().Count(), 1u);
    EXPECT_EQ(dynamic_cast<CApplicationObject*>(second.GetDispatch())->Presentations().Count(), 0u);
}

TEST_F(PresentationServerTest, RegisterPutsTheServerUnderItsProgId)
{
    CProgIdRegistry registry;
    m_server.Register(registry);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(registry.Create("Powerpoint.Application", &dispatch), S_OK);
    const PowerPoint::Application app(dispatch);
    app.Activate();
    EXPECT_TRUE(dynamic_cast<CApplicationObject*>(dispatch)->IsActive());
}

TEST_F(PresentationServerTest, ActivateMarksTheApplicationShown)
{
    EXPECT_FALSE(AppObject().IsActive());
    App().Activate();
    EXPECT_TRUE(AppObject().IsActive());
}

TEST_F(PresentationServerTest, AfterQuitEveryObjectAnswersAsADisconnectedServer)
{
    const PowerPoint::Presentation presentation = NewPresentation();
    const PowerPoint::Slide slide = presentation.GetSlides().Add(1, 2);
    const PowerPoint::TextRange range = Range(slide, "Rectangle 2");
    App().Quit();

    EXPECT_TRUE(AppObject().HasQuit());
    EXPECT_EQ(AppObject().Presentations().Count(), 0u);
    EXPECT_STATUS_ERROR(App().GetPresentations(), RPC_E_DISCONNECTED);
    EXPECT_STATUS_ERROR(App().Quit(), RPC_E_DISCONNECTED);
    EXPECT_STATUS_ERROR(presentation.SaveAs("Talk.ppt", 1, 0), RPC_E_DISCONNECTED);
    EXPECT_STATUS_ERROR(slide.GetShapes(), RPC_E_DISCONNECTED);
    EXPECT_STATUS_ERROR(range.SetText("late"), RPC_E_DISCONNECTED);
    EXPECT_TRUE(m_writer->calls.empty());
}

TEST_F(PresentationServerTest, ObjectsHeldPastTheirApplicationStaySafeToUseAndRelease)
{
    const long live = CDispatchObject::LiveObjects();
    PowerPoint::TextRange range;
    {
        CPresentationServer server(PresentationServices{});
        const PowerPoint::Application app(server.CreateApplication());
        range = Range(app.GetPresentations().Add(1).GetSlides().Add(1, 1), "Rectangle 3");
    }
    range.InsertAfter("still here");
    range.Paragraphs(1, 1).SetIndentLevel(2);
    range.ReleaseDispatch();
    EXPECT_EQ(CDispatchObject::LiveObjects(), live);
}

TEST_F(PresentationServerTest, FailedCallsLeaveNoReferenceBehind)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    const long live = CDispatchObject::LiveObjects();
    EXPECT_THROW(slides.Add(9, 2), CServerException);
    EXPECT_THROW(slides.Add(1, 9), CServerException);
    EXPECT_THROW(slides.Add(1, 2).GetShapes().Item("Oval 1"), CServerException);
    EXPECT_THROW(Range(slides.Add(1, 2), "Rectangle 3").Paragraphs(0, 1), CServerException);
    // The two slides added stay, and the newer keeps the shapes collection,
    // shape and frame asked for on it; the older's went with their last
    // reference.
    EXPECT_EQ(CDispatchObject::LiveObjects(), live + 2 + 3);
}
