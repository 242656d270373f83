// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

// What a presentation holds, as the object model builds it and the file
// writers store it. Plain data: no automation, no file format.

// The placeholder kinds that new slides of the three layouts carry.
enum class PlaceholderKind
{
    CenterTitle, // title of a title slide
    Subtitle,    // second text of a title slide
    Title,       // title of a text slide
    Body,        // the text of a one-column slide, or one column of two
};

struct TextParagraph
{
    std::string text;    // UTF-8, without paragraph breaks
    int indentLevel = 1; // 1 (top) to 5
};

struct Placeholder
{
    std::string name; // "Rectangle 2", "Rectangle 3", "Rectangle 4"
    PlaceholderKind kind = PlaceholderKind::Body;
    // A placeholder always has at least one paragraph, which may be empty.
    std::vector<TextParagraph> paragraphs{TextParagraph{}};
};

struct SlideData
{
    int layout = 2; // 1 title, 2 title and text, 3 title and two columns of text
    std::vector<Placeholder> placeholders;
};

// The design records of an applied template. Only the .ppt writer, which
// builds the file around them, knows what they hold.
struct TemplateDesign;
// The same for an Office Open XML template, which only the .pptx writer uses.
struct PackageDesign;

struct PresentationDocument
{
    std::vector<SlideData> slides;
    // Null: the writer's own default design. At most one of the two is set,
    // and a writer refuses the other's format.
    std::shared_ptr<const TemplateDesign> design;
    std::shared_ptr<const PackageDesign> packageDesign;
};
