// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <string>

// The title a file's document properties give a presentation: the title of
// its first title slide, or else of its first slide; paragraphs joined by
// spaces. Empty when there are no slides.
inline std::string DocumentTitle(const PresentationDocument& document)
{
    const SlideData* chosen = document.slides.empty() ? nullptr : &document.slides.front();
    for (const SlideData& slide : document.slides) {
        if (slide.layout == 1) {
            chosen = &slide;
            break;
        }
    }
    if (!chosen)
        return {};
    for (const Placeholder& placeholder : chosen->placeholders) {
        if (placeholder.kind != PlaceholderKind::CenterTitle &&
            placeholder.kind != PlaceholderKind::Title)
            continue;
        std::string title;
        for (const ParagraphView paragraph : placeholder.paragraphs)
            title.append(title.empty() ? "" : " ").append(paragraph.text);
        return title;
    }
    return {};
}
