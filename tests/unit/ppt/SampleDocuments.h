// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <string>
#include <vector>

// Documents shaped the way the object model builds them, shared by the unit,
// golden and reader tests.
namespace SampleDocuments {

inline Placeholder Text(const char* name, PlaceholderKind kind,
                        std::vector<TextParagraph> paragraphs)
{
    return Placeholder{name, kind, CParagraphs(paragraphs)};
}

inline SlideData TitleSlide(const std::string& title, const std::string& subtitle)
{
    return SlideData{1,
                     {Text("Rectangle 2", PlaceholderKind::CenterTitle, {{title, 1}}),
                      Text("Rectangle 3", PlaceholderKind::Subtitle, {{subtitle, 1}})}};
}

inline SlideData TextSlide(const std::string& title, std::vector<TextParagraph> body)
{
    return SlideData{2,
                     {Text("Rectangle 2", PlaceholderKind::Title, {{title, 1}}),
                      Text("Rectangle 3", PlaceholderKind::Body, std::move(body))}};
}

inline SlideData TwoColumnSlide(const std::string& title, std::vector<TextParagraph> left,
                                std::vector<TextParagraph> right)
{
    return SlideData{3,
                     {Text("Rectangle 2", PlaceholderKind::Title, {{title, 1}}),
                      Text("Rectangle 3", PlaceholderKind::Body, std::move(left)),
                      Text("Rectangle 4", PlaceholderKind::Body, std::move(right))}};
}

// One slide of each layout, with levels, an empty title and non-ASCII text.
inline PresentationDocument WorkedExample()
{
    PresentationDocument document;
    document.slides = {
        TitleSlide("Quarterly Review", "Café – 東京 😀"),
        TextSlide("Agenda", {{"Point one", 1}, {"Sub point", 2}, {"Deep", 5}, {"Back", 1}}),
        TwoColumnSlide("", {{"Left a", 1}, {"Left b", 3}}, {{"Right a", 1}, {"Right b", 4}})};
    return document;
}

inline std::vector<TextParagraph> Bullets(int count, const std::string& prefix)
{
    std::vector<TextParagraph> paragraphs;
    for (int i = 0; i < count; ++i)
        paragraphs.push_back({prefix + " " + std::to_string(i + 1), 1 + i % 5});
    return paragraphs;
}

} // namespace SampleDocuments
