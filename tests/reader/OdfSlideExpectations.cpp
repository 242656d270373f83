// SPDX-License-Identifier: MIT
#include "OdfSlideExpectations.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

// Impress names layouts "AL<n>T<type>", n numbering the layouts in order of
// first use; the type says what the layout is. A .pptx title-and-content
// layout (type obj) is its "title, object" (11) rather than "title, text" (1).
std::string LayoutType(int layout, OdfReader reader)
{
    return layout == 1                           ? "T0"
           : layout == 3                         ? "T3"
           : reader == OdfReader::ImpressOpenXml ? "T11"
                                                 : "T1";
}

std::string LayoutTypeOf(const std::string& layoutName)
{
    const std::size_t type = layoutName.rfind('T');
    return type == std::string::npos ? layoutName : layoutName.substr(type);
}

std::string FrameClass(PlaceholderKind kind)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
    case PlaceholderKind::Title:
        return "title";
    case PlaceholderKind::Subtitle:
        return "subtitle";
    case PlaceholderKind::Body:
        break;
    }
    return "outline";
}

bool IsEmpty(const Placeholder& placeholder)
{
    return placeholder.paragraphs.size() == 1 && placeholder.paragraphs[0].text.empty();
}

void ExpectSameFrame(const Placeholder& placeholder, const ImpressFrame& frame, OdfReader reader)
{
    // Calligra's .pptx import classes a subTitle placeholder as an outline
    // whatever it holds; its .ppt import only once the subtitle has text.
    const bool shownAsOutline = placeholder.kind == PlaceholderKind::Subtitle &&
                                (reader == OdfReader::CalligraOpenXml ||
                                 (reader == OdfReader::Calligra && !IsEmpty(placeholder)));
    EXPECT_EQ(frame.presentationClass,
              shownAsOutline ? std::string("outline") : FrameClass(placeholder.kind));
    // An empty placeholder may keep its one empty paragraph.
    if (IsEmpty(placeholder) && frame.paragraphs.size() == 1) {
        EXPECT_EQ(frame.paragraphs[0].text, "");
        return;
    }
    std::vector<ImpressParagraph> wanted;
    if (!IsEmpty(placeholder)) {
        for (const ParagraphView paragraph : placeholder.paragraphs)
            wanted.push_back({std::string(paragraph.text), std::max(1, paragraph.indentLevel)});
    }
    ASSERT_EQ(frame.paragraphs.size(), wanted.size());
    for (std::size_t p = 0; p < wanted.size(); ++p) {
        EXPECT_EQ(frame.paragraphs[p].text, wanted[p].text);
        EXPECT_EQ(frame.paragraphs[p].level, wanted[p].level) << wanted[p].text;
    }
}

} // namespace

void ExpectSameOdfSlides(const PresentationDocument& expected,
                         const std::vector<ImpressPage>& pages, OdfReader reader)
{
    ASSERT_EQ(pages.size(), expected.slides.size());
    for (std::size_t s = 0; s < pages.size(); ++s) {
        SCOPED_TRACE("slide " + std::to_string(s + 1));
        const SlideData& slide = expected.slides[s];
        if (reader == OdfReader::Impress || reader == OdfReader::ImpressOpenXml) {
            EXPECT_EQ(LayoutTypeOf(pages[s].layout), LayoutType(slide.layout, reader))
                << pages[s].layout;
        }
        ASSERT_EQ(pages[s].frames.size(), slide.placeholders.size());
        for (std::size_t f = 0; f < slide.placeholders.size(); ++f) {
            SCOPED_TRACE("frame " + std::to_string(f + 1));
            ExpectSameFrame(slide.placeholders[f], pages[s].frames[f], reader);
        }
    }
}
