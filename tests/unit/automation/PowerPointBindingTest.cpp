// SPDX-License-Identifier: MIT
#include "Application.h"
#include "DispatchObject.h"
#include "Presentation.h"
#include "Presentations.h"
#include "RecordingDispatch.h"
#include "Shape.h"
#include "Shapes.h"
#include "Slide.h"
#include "Slides.h"
#include "TextFrame.h"
#include "TextRange.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct Expected
{
    const char* objectKind;
    DISPID dispid;
    InvokeKind kind;
    Strings argTypes;
};

// Every operation of the object model, called once through the bindings,
// reaches the server with its member id, invoke kind and argument forms.
TEST(PowerPointBinding, EveryOperationTravelsWithItsIdKindAndArgumentForms)
{
    const long liveBefore = CDispatchObject::LiveObjects();
    CRecordingServer server;
    {
        PowerPoint::Application application;
        ASSERT_TRUE(application.CreateDispatch("Powerpoint.Application"));
        application.Activate();
        const PowerPoint::Presentation presentation = application.GetPresentations().Add(1);
        const PowerPoint::Slides slides = presentation.GetSlides();
        const PowerPoint::Slide slide = slides.Add(slides.GetCount() + 1, 2);
        const PowerPoint::TextRange range =
            slide.GetShapes().Item(CVariant("Rectangle 3")).GetTextFrame().GetTextRange();
        range.SetText("Title");
        range.InsertAfter("\r\nMore");
        range.Paragraphs(2, 1).SetIndentLevel(3);
        presentation.ApplyTemplate("design.pot");
        presentation.SaveAs("talk.ppt", 1, 0);
        application.Quit();
    }
    const std::vector<Expected> expected{
        {"Application", 2033, InvokeKind::Method, {}},
        {"Application", 2001, InvokeKind::PropertyGet, {}},
        {"Presentations", 2003, InvokeKind::Method, {"I4"}},
        {"Presentation", 2011, InvokeKind::PropertyGet, {}},
        {"Slides", 11, InvokeKind::PropertyGet, {}},
        {"Slides", 2004, InvokeKind::Method, {"I4", "I4"}},
        {"Slide", 2003, InvokeKind::PropertyGet, {}},
        {"Shapes", 0, InvokeKind::Method, {"BSTR"}},
        {"Shape", 121, InvokeKind::PropertyGet, {}},
        {"TextFrame", 2004, InvokeKind::PropertyGet, {}},
        {"TextRange", 0, InvokeKind::PropertyPut, {"BSTR"}},
        {"TextRange", 2017, InvokeKind::Method, {"BSTR"}},
        {"TextRange", 2010, InvokeKind::Method, {"I4", "I4"}},
        {"TextRange", 2024, InvokeKind::PropertyPut, {"I4"}},
        {"Presentation", 2007, InvokeKind::Method, {"BSTR"}},
        {"Presentation", 2036, InvokeKind::Method, {"BSTR", "I4", "I4"}},
        {"Application", 2021, InvokeKind::Method, {}},
    };
    const auto& invocations = server.Invocations();
    ASSERT_EQ(invocations.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(server.Calls()[i]);
        EXPECT_EQ(invocations[i].objectKind, expected[i].objectKind);
        EXPECT_EQ(invocations[i].dispid, expected[i].dispid);
        EXPECT_EQ(invocations[i].kind, expected[i].kind);
        EXPECT_EQ(invocations[i].argTypes, expected[i].argTypes);
        EXPECT_EQ(invocations[i].propertyPutNamed, expected[i].kind == InvokeKind::PropertyPut);
    }
    EXPECT_EQ(server.Calls()[5], "Slides.Add(1, 2)");
    EXPECT_EQ(server.Calls()[15], "Presentation.SaveAs(\"talk.ppt\", 1, 0)");
    EXPECT_EQ(CDispatchObject::LiveObjects(), liveBefore);
}

TEST(PowerPointBinding, CallsThroughAnEmptyHolderYieldNothing)
{
    const PowerPoint::Presentation none;
    EXPECT_NO_THROW(none.ApplyTemplate("design.pot"));
    EXPECT_NO_THROW(none.SaveAs("talk.ppt", 1, 0));
    EXPECT_TRUE(none.GetSlides().IsEmpty());
    EXPECT_EQ(PowerPoint::Slides().GetCount(), 0);
}

} // namespace
