// SPDX-License-Identifier: MIT
#include "ModelTestSupport.h"
#include "PowerPointDispids.h"
#include "ServerExceptionAssert.h"
#include "SlidesObject.h"

#include <string>
#include <tuple>
#include <utility>
#include <vector>

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

namespace {

std::vector<std::pair<std::string, PlaceholderKind>> NamesAndKinds(const SlideData& slide)
{
    std::vector<std::pair<std::string, PlaceholderKind>> shapes;
    for (const Placeholder& placeholder : slide.placeholders)
        shapes.emplace_back(placeholder.name, placeholder.kind);
    return shapes;
}

} // namespace

class SlidesTest : public CModelTest
{};

TEST_F(SlidesTest, NewSlidesCarryTheirLayoutsNamedPlaceholders)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    slides.Add(1, 1);
    slides.Add(2, 2);
    slides.Add(3, 3);

    const PresentationDocument document = Document();
    ASSERT_EQ(document.slides.size(), 3u);
    using Shapes = std::vector<std::pair<std::string, PlaceholderKind>>;
    EXPECT_EQ(document.slides[0].layout, 1);
    EXPECT_EQ(NamesAndKinds(document.slides[0]),
              (Shapes{{"Rectangle 2", PlaceholderKind::CenterTitle},
                      {"Rectangle 3", PlaceholderKind::Subtitle}}));
    EXPECT_EQ(document.slides[1].layout, 2);
    EXPECT_EQ(NamesAndKinds(document.slides[1]), (Shapes{{"Rectangle 2", PlaceholderKind::Title},
                                                         {"Rectangle 3", PlaceholderKind::Body}}));
    EXPECT_EQ(document.slides[2].layout, 3);
    EXPECT_EQ(NamesAndKinds(document.slides[2]), (Shapes{{"Rectangle 2", PlaceholderKind::Title},
                                                         {"Rectangle 3", PlaceholderKind::Body},
                                                         {"Rectangle 4", PlaceholderKind::Body}}));
    for (const SlideData& slide : document.slides) {
        for (const Placeholder& placeholder : slide.placeholders) {
            EXPECT_EQ(Texts(placeholder), Strings{""});
            EXPECT_EQ(Levels(placeholder), Ints{1});
        }
    }
}

TEST_F(SlidesTest, AddInsertsAtTheIndexAndCountFollows)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    EXPECT_EQ(slides.GetCount(), 0);
    Range(slides.Add(1, 2), "Rectangle 2").SetText("b");
    Range(slides.Add(2, 3), "Rectangle 2").SetText("d");
    Range(slides.Add(1, 1), "Rectangle 2").SetText("a");
    Range(slides.Add(3, 2), "Rectangle 2").SetText("c");
    Range(slides.Add(slides.GetCount() + 1, 2), "Rectangle 2").SetText("e");
    EXPECT_EQ(slides.GetCount(), 5);

    Strings titles;
    Ints layouts;
    for (const SlideData& slide : Document().slides) {
        titles.emplace_back(slide.placeholders[0].paragraphs[0].text);
        layouts.push_back(slide.layout);
    }
    EXPECT_EQ(titles, (Strings{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(layouts, (Ints{1, 2, 2, 3, 2}));
}

TEST_F(SlidesTest, AddRefusesAnIndexOutsideOneToCountPlusOne)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    slides.Add(1, 2);
    EXPECT_SERVER_EXCEPTION(slides.Add(0, 2), E_INVALIDARG,
                            "Slides.Add: the index 0 is out of range; it must be from 1 to 2.");
    EXPECT_SERVER_EXCEPTION(slides.Add(3, 2), E_INVALIDARG,
                            "Slides.Add: the index 3 is out of range; it must be from 1 to 2.");
    EXPECT_EQ(slides.GetCount(), 1);
}

TEST_F(SlidesTest, AddRefusesLayoutsThisServerDoesNotMake)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    for (const int layout : {0, 4, 12, -1}) {
        EXPECT_SERVER_EXCEPTION(slides.Add(1, layout), E_INVALIDARG,
                                "Slides.Add: the layout " + std::to_string(layout) +
                                    " is not supported; this server makes slides of layout "
                                    "1 (title), 2 (text) or 3 (two-column text).");
    }
    EXPECT_EQ(slides.GetCount(), 0);
}

// A note of millions of slide lines must stop at a bound, not after it has
// filled memory.
TEST_F(SlidesTest, AddRefusesTheSlideBeyondWhatMemoryAllows)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    const auto most = static_cast<std::int32_t>(CSlidesObject::kMaxSlides);
    for (std::int32_t i = 1; i <= most; ++i)
        slides.Add(i, 2);
    EXPECT_SERVER_EXCEPTION(slides.Add(most + 1, 2), E_INVALIDARG,
                            "Slides.Add: a presentation holds at most " + std::to_string(most) +
                                " slides; no slide was added.");
    EXPECT_EQ(slides.GetCount(), most);
}

class ShapesTest : public CModelTest
{};

TEST_F(ShapesTest, ItemFindsAShapeByNameOrByPosition)
{
    const PowerPoint::Slide slide = NewPresentation().GetSlides().Add(1, 3);
    const PowerPoint::Shapes shapes = slide.GetShapes();
    shapes.Item("Rectangle 4").GetTextFrame().GetTextRange().SetText("right");
    shapes.Item(CVariant(2)).GetTextFrame().GetTextRange().SetText("left");
    // A string is always a name, even when it reads as a number.
    EXPECT_SERVER_EXCEPTION(shapes.Item("1"), E_INVALIDARG,
                            "Shapes.Item: the item \"1\" was not found in the Shapes collection; "
                            "this slide has \"Rectangle 2\", \"Rectangle 3\", \"Rectangle 4\".");

    const SlideData slideData = Document().slides.at(0);
    EXPECT_EQ(Texts(slideData.placeholders[1]), Strings{"left"});
    EXPECT_EQ(Texts(slideData.placeholders[2]), Strings{"right"});
}

// The shapes and frames are made on request: while a client holds one,
// asking again gives that object, and once let go it is made anew on the
// same text.
TEST_F(ShapesTest, AHeldShapeOrFrameIsTheOneAskedForAgain)
{
    const PowerPoint::Slide slide = NewPresentation().GetSlides().Add(1, 3);
    {
        const PowerPoint::Shapes shapes = slide.GetShapes();
        const PowerPoint::Shape shape = shapes.Item("Rectangle 3");
        const PowerPoint::TextFrame frame = shape.GetTextFrame();
        EXPECT_EQ(slide.GetShapes().GetDispatch(), shapes.GetDispatch());
        EXPECT_EQ(shapes.Item(CVariant(2)).GetDispatch(), shape.GetDispatch());
        EXPECT_NE(shapes.Item(CVariant(3)).GetDispatch(), shape.GetDispatch());
        EXPECT_EQ(slide.GetShapes().Item("Rectangle 3").GetTextFrame().GetDispatch(),
                  frame.GetDispatch());
        frame.GetTextRange().SetText("kept");
    }
    Range(slide, "Rectangle 3").InsertAfter("\rmore");
    EXPECT_EQ(Texts(Document().slides.at(0).placeholders[1]), (Strings{"kept", "more"}));
}

TEST_F(ShapesTest, ItemNamesWhatItCouldNotFind)
{
    const PowerPoint::Shapes shapes = NewPresentation().GetSlides().Add(1, 2).GetShapes();
    EXPECT_SERVER_EXCEPTION(shapes.Item("Rectangle 4"), E_INVALIDARG,
                            "Shapes.Item: the item \"Rectangle 4\" was not found in the Shapes "
                            "collection; this slide has \"Rectangle 2\", \"Rectangle 3\".");
    EXPECT_SERVER_EXCEPTION(shapes.Item("rectangle 2"), E_INVALIDARG,
                            "Shapes.Item: the item \"rectangle 2\" was not found in the Shapes "
                            "collection; this slide has \"Rectangle 2\", \"Rectangle 3\".");
    EXPECT_SERVER_EXCEPTION(
        shapes.Item(CVariant(3)), E_INVALIDARG,
        "Shapes.Item: the index 3 is out of range; this slide has shapes 1 to 2.");
    EXPECT_SERVER_EXCEPTION(
        shapes.Item(CVariant(0)), E_INVALIDARG,
        "Shapes.Item: the index 0 is out of range; this slide has shapes 1 to 2.");
}

TEST_F(ShapesTest, ItemRefusesAnIndexThatIsNeitherNameNorNumber)
{
    const PowerPoint::Slide slide = NewPresentation().GetSlides().Add(1, 2);
    const PowerPoint::Shapes shapes = slide.GetShapes();
    EXPECT_STATUS_ERROR(shapes.Item(CVariant::FromError(E_FAIL)), DISP_E_TYPEMISMATCH);
    slide.GetDispatch()->AddRef();
    EXPECT_STATUS_ERROR(shapes.Item(CVariant::TakeDispatch(slide.GetDispatch())),
                        DISP_E_TYPEMISMATCH);
    EXPECT_STATUS_ERROR(shapes.Item(CVariant::Missing()), DISP_E_PARAMNOTFOUND);
}

class TextRangeTest : public CModelTest
{
protected:
    // The body placeholder of a new one-column slide.
    PowerPoint::TextRange Body()
    {
        if (m_slide.IsEmpty())
            m_slide = NewPresentation().GetSlides().Add(1, 2);
        return Range(m_slide, "Rectangle 3");
    }
    Placeholder BodyData() { return Document().slides.at(0).placeholders.at(1); }
    void TearDown() override
    {
        m_slide.ReleaseDispatch();
        CModelTest::TearDown();
    }

    PowerPoint::Slide m_slide;
};

TEST_F(TextRangeTest, TextReplacesTheWholeText)
{
    Body().SetText("old\r\nlines");
    Body().SetText("new");
    EXPECT_EQ(Texts(BodyData()), Strings{"new"});
    Body().SetText("");
    EXPECT_EQ(Texts(BodyData()), Strings{""});
}

TEST_F(TextRangeTest, InsertAfterAppendsAndEveryBreakFormStartsAParagraph)
{
    Body().InsertAfter("a");
    Body().InsertAfter("\r\nb");
    Body().InsertAfter("\rc");
    Body().InsertAfter("\nd");
    Body().InsertAfter("e\r\n\r\nf");
    EXPECT_EQ(Texts(BodyData()), (Strings{"a", "b", "c", "de", "", "f"}));
}

TEST_F(TextRangeTest, InsertAfterGivesTheRangeOfTheInsertedText)
{
    Body().SetText("Title");
    const PowerPoint::TextRange inserted = Body().InsertAfter(" one");
    inserted.SetText(" two");
    Body().InsertAfter("!");
    inserted.SetText(" 2");
    EXPECT_EQ(Texts(BodyData()), Strings{"Title 2!"});
}

TEST_F(TextRangeTest, ParagraphsResolveAStartBeyondTheLastToTheLast)
{
    Body().SetText("one");
    Body().Paragraphs(256, 1).SetIndentLevel(2);
    EXPECT_EQ(Levels(BodyData()), Ints{2});

    Body().InsertAfter("\r\ntwo\r\nthree");
    Body().Paragraphs(256, 1).SetText("3");
    Body().Paragraphs(2, 1).SetIndentLevel(4);
    EXPECT_EQ(Texts(BodyData()), (Strings{"one", "two", "3"}));
    EXPECT_EQ(Levels(BodyData()), (Ints{2, 4, 2}));

    // A length beyond the end stops at the last paragraph.
    Body().Paragraphs(2, 10).SetIndentLevel(5);
    EXPECT_EQ(Levels(BodyData()), (Ints{2, 5, 5}));
}

TEST_F(TextRangeTest, ParagraphsCountFromTheRangeNotFromTheFrame)
{
    Body().SetText("a\rb\rc\rd");
    const PowerPoint::TextRange middle = Body().Paragraphs(2, 2);
    middle.Paragraphs(2, 1).SetText("C");
    middle.Paragraphs(99, 1).SetIndentLevel(3);
    EXPECT_EQ(Texts(BodyData()), (Strings{"a", "b", "C", "d"}));
    EXPECT_EQ(Levels(BodyData()), (Ints{1, 1, 3, 1}));
}

TEST_F(TextRangeTest, ParagraphsRefuseAStartOrLengthBelowOne)
{
    EXPECT_SERVER_EXCEPTION(
        Body().Paragraphs(0, 1), E_INVALIDARG,
        "TextRange.Paragraphs: the start 0 is out of range; it must be 1 or more.");
    EXPECT_SERVER_EXCEPTION(
        Body().Paragraphs(1, -1), E_INVALIDARG,
        "TextRange.Paragraphs: the length -1 is out of range; it must be 1 or more.");
}

TEST_F(TextRangeTest, IndentLevelTakesOneToFiveAndShowsZeroAtTheTop)
{
    Body().SetText("a\rb\rc");
    Body().Paragraphs(1, 1).SetIndentLevel(5);
    Body().Paragraphs(2, 1).SetIndentLevel(3);
    Body().Paragraphs(3, 1).SetIndentLevel(0);
    EXPECT_EQ(Levels(BodyData()), (Ints{5, 3, 1}));

    for (const int level : {6, -1}) {
        EXPECT_SERVER_EXCEPTION(Body().Paragraphs(2, 1).SetIndentLevel(level), E_INVALIDARG,
                                "TextRange.IndentLevel: the level " + std::to_string(level) +
                                    " is out of range; it must be from 1 to 5 (0 counts as 1).");
    }
    EXPECT_EQ(Levels(BodyData()), (Ints{5, 3, 1}));
}

TEST_F(TextRangeTest, RangesStayViewsOnTheirFramesText)
{
    const PowerPoint::TextRange whole = Body();
    whole.InsertAfter("a");
    whole.InsertAfter("\r\nb");
    const PowerPoint::TextRange second = whole.Paragraphs(256, 1);
    whole.InsertAfter("\r\nc");
    second.SetIndentLevel(2);
    whole.Paragraphs(256, 1).SetIndentLevel(3);
    EXPECT_EQ(Texts(BodyData()), (Strings{"a", "b", "c"}));
    EXPECT_EQ(Levels(BodyData()), (Ints{1, 2, 3}));
}

TEST_F(TextRangeTest, TextArrivesAsUtf8WithoutLoss)
{
    const std::string title = "Gr\xC3\xBC\xC3\x9F"
                              "e \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\x89";
    Body().InsertAfter(title);
    Body().InsertAfter("\r\ncaf\xE9"); // an 8-bit "café" from an older source
    EXPECT_EQ(Texts(BodyData()), (Strings{title, "caf\xC3\xA9"}));
}

// Two-column slide, three bullets: the column split and call chain the
// builder uses, bullet for bullet.
TEST_F(TextRangeTest, TheBuildersBulletChainFillsBothColumns)
{
    const PowerPoint::Slides slides = NewPresentation().GetSlides();
    const PowerPoint::Slide slide = slides.Add(slides.GetCount() + 1, 3);
    Range(slide, "Rectangle 2").SetText("Columns");
    const std::vector<std::tuple<std::string, std::string, int>> bullets{
        {"Rectangle 3", "left", 1}, {"Rectangle 4", "right", 2}, {"Rectangle 4", "\r\nmore", 0}};
    for (const auto& [shape, text, level] : bullets) {
        const PowerPoint::TextFrame frame = slide.GetShapes().Item(shape).GetTextFrame();
        frame.GetTextRange().InsertAfter(text);
        frame.GetTextRange().Paragraphs(256, 1).SetIndentLevel(level);
    }
    const SlideData data = Document().slides.at(0);
    EXPECT_EQ(Texts(data.placeholders[0]), Strings{"Columns"});
    EXPECT_EQ(Texts(data.placeholders[1]), Strings{"left"});
    EXPECT_EQ(Texts(data.placeholders[2]), (Strings{"right", "more"}));
    EXPECT_EQ(Levels(data.placeholders[2]), (Ints{2, 1}));
}

TEST_F(TextRangeTest, FromParagraph257OnTheLevelLandsOnParagraph256)
{
    for (int i = 1; i <= 300; ++i) {
        Body().InsertAfter(i == 1 ? "1" : "\r\n" + std::to_string(i));
        Body().Paragraphs(256, 1).SetIndentLevel(i % 5 + 1);
    }
    const Placeholder body = BodyData();
    ASSERT_EQ(body.paragraphs.size(), 300u);
    EXPECT_EQ(body.paragraphs[299].text, "300");
    for (std::size_t i = 0; i < 255; ++i)
        EXPECT_EQ(body.paragraphs[i].indentLevel, static_cast<int>((i + 1) % 5 + 1)) << i;
    EXPECT_EQ(body.paragraphs[255].indentLevel, 300 % 5 + 1);
}
