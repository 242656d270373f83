// SPDX-License-Identifier: MIT
#include "ModelTestSupport.h"
#include "PowerPointDispids.h"
#include "ServerExceptionAssert.h"

#include <map>
#include <string>
#include <vector>

namespace {

enum class Kind
{
    Application,
    Presentations,
    Presentation,
    Slides,
    Slide,
    Shapes,
    Shape,
    TextFrame,
    TextRange,
};

// One raw call: arguments in their natural order; a put gets the named
// argument that automation prescribes unless the case says otherwise.
struct RawCall
{
    const char* what;
    Kind kind;
    DISPID dispid;
    InvokeKind invokeKind;
    std::vector<CVariant> args;
    HRESULT expected;
};

HRESULT Invoke(IDispatch* object, DISPID dispid, InvokeKind kind, const std::vector<CVariant>& args,
               CVariant* result, ExcepInfo* excepInfo = nullptr,
               std::vector<DISPID> named = {DISPID_PROPERTYPUT})
{
    DispParams params;
    params.args.assign(args.rbegin(), args.rend());
    if (kind == InvokeKind::PropertyPut)
        params.namedArgs = std::move(named);
    return object->Invoke(dispid, kind, params, result, excepInfo);
}

constexpr auto Method = InvokeKind::Method;
constexpr auto Get = InvokeKind::PropertyGet;
constexpr auto Put = InvokeKind::PropertyPut;

} // namespace

class InvokeStatusTest : public CModelTest
{
protected:
    void SetUp() override
    {
        CModelTest::SetUp();
        const PowerPoint::Presentations presentations = App().GetPresentations();
        const PowerPoint::Presentation presentation = presentations.Add(1);
        const PowerPoint::Slides slides = presentation.GetSlides();
        const PowerPoint::Slide slide = slides.Add(1, 2);
        const PowerPoint::Shapes shapes = slide.GetShapes();
        const PowerPoint::Shape shape = shapes.Item("Rectangle 3");
        const PowerPoint::TextFrame frame = shape.GetTextFrame();
        m_objects[Kind::Application] = App();
        m_objects[Kind::Presentations] = presentations;
        m_objects[Kind::Presentation] = presentation;
        m_objects[Kind::Slides] = slides;
        m_objects[Kind::Slide] = slide;
        m_objects[Kind::Shapes] = shapes;
        m_objects[Kind::Shape] = shape;
        m_objects[Kind::TextFrame] = frame;
        m_objects[Kind::TextRange] = frame.GetTextRange();
    }
    void TearDown() override
    {
        m_objects.clear();
        CModelTest::TearDown();
    }

    IDispatch* Object(Kind kind) { return m_objects.at(kind).GetDispatch(); }

    std::map<Kind, CDispatchHolder> m_objects;
};

TEST_F(InvokeStatusTest, EveryKindAnswersWhatItDoesNotOfferWithTheAutomationStatus)
{
    const std::vector<RawCall> calls{
        {"unknown member", Kind::Application, 9999, Method, {}, DISP_E_MEMBERNOTFOUND},
        {"Presentations as a method", Kind::Application, 2001, Method, {}, DISP_E_MEMBERNOTFOUND},
        {"Quit as a get", Kind::Application, 2021, Get, {}, DISP_E_MEMBERNOTFOUND},
        {"Quit with an argument", Kind::Application, 2021, Method, {1}, DISP_E_BADPARAMCOUNT},
        {"Add without WithWindow", Kind::Presentations, 2003, Method, {}, DISP_E_BADPARAMCOUNT},
        {"Add with text", Kind::Presentations, 2003, Method, {"yes"}, DISP_E_TYPEMISMATCH},
        {"Count of presentations", Kind::Presentations, 11, Get, {}, DISP_E_MEMBERNOTFOUND},
        {"Slides put", Kind::Presentation, 2011, Put, {1}, DISP_E_MEMBERNOTFOUND},
        {"SaveAs with two arguments",
         Kind::Presentation,
         2036,
         Method,
         {"x.ppt", 1},
         DISP_E_BADPARAMCOUNT},
        {"SaveAs with a missing format",
         Kind::Presentation,
         2036,
         Method,
         {"x.ppt", CVariant::Missing(), 0},
         DISP_E_PARAMNOTFOUND},
        {"ApplyTemplate without a file",
         Kind::Presentation,
         2007,
         Method,
         {},
         DISP_E_BADPARAMCOUNT},
        {"Count as a put", Kind::Slides, 11, Put, {3}, DISP_E_MEMBERNOTFOUND},
        {"Count with an argument", Kind::Slides, 11, Get, {1}, DISP_E_BADPARAMCOUNT},
        {"Add with one argument", Kind::Slides, 2004, Method, {1}, DISP_E_BADPARAMCOUNT},
        {"Add at a word", Kind::Slides, 2004, Method, {"first", 2}, DISP_E_TYPEMISMATCH},
        {"Slide's Shapes as a method", Kind::Slide, 2003, Method, {}, DISP_E_MEMBERNOTFOUND},
        {"Slide has no TextFrame", Kind::Slide, 121, Get, {}, DISP_E_MEMBERNOTFOUND},
        {"Item as a get", Kind::Shapes, 0, Get, {"Rectangle 2"}, DISP_E_MEMBERNOTFOUND},
        {"Item without index", Kind::Shapes, 0, Method, {}, DISP_E_BADPARAMCOUNT},
        {"TextFrame with an argument", Kind::Shape, 121, Get, {1}, DISP_E_BADPARAMCOUNT},
        {"TextRange as a put", Kind::TextFrame, 2004, Put, {"x"}, DISP_E_MEMBERNOTFOUND},
        {"Text read back", Kind::TextRange, 0, Get, {}, DISP_E_MEMBERNOTFOUND},
        {"Text as a method", Kind::TextRange, 0, Method, {"x"}, DISP_E_MEMBERNOTFOUND},
        {"IndentLevel read back", Kind::TextRange, 2024, Get, {}, DISP_E_MEMBERNOTFOUND},
        {"IndentLevel of a word", Kind::TextRange, 2024, Put, {"deep"}, DISP_E_TYPEMISMATCH},
        {"Paragraphs with one argument", Kind::TextRange, 2010, Method, {1}, DISP_E_BADPARAMCOUNT},
        {"InsertAfter of an error",
         Kind::TextRange,
         2017,
         Method,
         {CVariant::FromError(E_FAIL)},
         DISP_E_TYPEMISMATCH},
    };
    for (const RawCall& call : calls) {
        CVariant result;
        EXPECT_EQ(
            StatusText(Invoke(Object(call.kind), call.dispid, call.invokeKind, call.args, &result)),
            StatusText(call.expected))
            << call.what;
        EXPECT_EQ(result.Type(), VT_EMPTY) << call.what;
    }
}

TEST_F(InvokeStatusTest, ArgumentsAreCoercedAsAutomationCoercesThem)
{
    CVariant slide;
    EXPECT_EQ(Invoke(Object(Kind::Slides), 2004, Method, {"2", " 3 "}, &slide), S_OK);
    EXPECT_EQ(slide.Type(), VT_DISPATCH);
    EXPECT_EQ(Invoke(Object(Kind::TextRange), 0, Put, {42}, nullptr), S_OK);
    EXPECT_EQ(Invoke(Object(Kind::TextRange), 2024, Put, {CVariant::FromDate(2.0)}, nullptr), S_OK);
    const Placeholder body = Document().slides.at(0).placeholders.at(1);
    EXPECT_EQ(Texts(body), std::vector<std::string>{"42"});
    EXPECT_EQ(Levels(body), std::vector<int>{2});
    EXPECT_EQ(Document().slides.at(1).layout, 3);
    // One argument as sent, the next converted: each is read from its own place.
    EXPECT_EQ(Invoke(Object(Kind::Slides), 2004, Method, {3, " 1"}, &slide), S_OK);
    EXPECT_EQ(Document().slides.at(2).layout, 1);
}

TEST_F(InvokeStatusTest, APutTakesItsValueOnlyAsThePropertyPutArgument)
{
    IDispatch* range = Object(Kind::TextRange);
    EXPECT_EQ(Invoke(range, 0, Put, {"x"}, nullptr, nullptr, {}), DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(Invoke(range, 0, Put, {"x"}, nullptr, nullptr, {7}), DISP_E_PARAMNOTFOUND);
    DispParams named;
    named.args.emplace_back(1);
    named.namedArgs.push_back(0);
    EXPECT_EQ(Object(Kind::Presentations)->Invoke(2003, Method, named, nullptr, nullptr),
              DISP_E_PARAMNOTFOUND);
}

TEST_F(InvokeStatusTest, AGetMayAlsoBeAskedForAsAMethod)
{
    const auto methodOrGet = static_cast<InvokeKind>(3);
    CVariant count;
    EXPECT_EQ(Invoke(Object(Kind::Slides), 11, methodOrGet, {}, &count), S_OK);
    EXPECT_EQ(count, CVariant(1));
    EXPECT_EQ(Invoke(Object(Kind::Slides), 11, static_cast<InvokeKind>(8), {}, &count),
              DISP_E_MEMBERNOTFOUND);
}

TEST_F(InvokeStatusTest, AResultNobodyAskedForIsReleasedAtOnce)
{
    const long live = CDispatchObject::LiveObjects();
    EXPECT_EQ(Invoke(Object(Kind::TextFrame), 2004, Get, {}, nullptr), S_OK);
    EXPECT_EQ(Invoke(Object(Kind::TextRange), 2017, Method, {"more"}, nullptr), S_OK);
    EXPECT_EQ(CDispatchObject::LiveObjects(), live);
    EXPECT_EQ(Texts(Document().slides.at(0).placeholders.at(1)), std::vector<std::string>{"more"});
}

TEST_F(InvokeStatusTest, AServerExceptionFillsTheRecordWhenThereIsOne)
{
    ExcepInfo info;
    info.helpFile = "stale";
    CVariant result;
    EXPECT_EQ(Invoke(Object(Kind::Shapes), 0, Method, {"Oval 1"}, &result, &info),
              DISP_E_EXCEPTION);
    EXPECT_EQ(info.source, "Quillon presentation server");
    EXPECT_EQ(StatusText(info.scode), StatusText(E_INVALIDARG));
    EXPECT_EQ(info.helpFile, "");
    EXPECT_EQ(info.description, "Shapes.Item: the item \"Oval 1\" was not found in the Shapes "
                                "collection; this slide has \"Rectangle 2\", \"Rectangle 3\".");
    EXPECT_EQ(result.Type(), VT_EMPTY);
    EXPECT_EQ(Invoke(Object(Kind::Shapes), 0, Method, {"Oval 1"}, nullptr, nullptr),
              DISP_E_EXCEPTION);
}
