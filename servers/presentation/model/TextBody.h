// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A place in a text body: a paragraph and a byte offset into its UTF-8 text.
// Positions are only ever made at character boundaries.
struct TextPosition
{
    std::size_t paragraph = 0;
    std::size_t offset = 0;

    auto operator<=>(const TextPosition&) const = default;
};

struct TextExtent
{
    TextPosition from;
    TextPosition to;
};

// Paragraphs first to last, both included.
struct ParagraphRun
{
    std::size_t first = 0;
    std::size_t last = 0;

    std::size_t Count() const noexcept { return last - first + 1; }
};

inline constexpr int kMinIndentLevel = 1;
inline constexpr int kMaxIndentLevel = 5;

// The edits of the text of one text frame, made in place on the paragraphs
// its slide keeps, so that the way bullets arrive (appended at the end, one
// paragraph at a time) costs the same for the thousandth paragraph as for
// the first. A body is made for each use and holds nothing of its own; its
// text always has at least one paragraph, which may be empty.
class CTextBody
{
public:
    // paragraphs must hold at least one paragraph and outlive the body.
    explicit CTextBody(CParagraphs& paragraphs) noexcept : m_paragraphs(paragraphs) {}

    const CParagraphs& Paragraphs() const noexcept { return m_paragraphs; }
    std::size_t ParagraphCount() const noexcept { return m_paragraphs.size(); }
    // The text as the application shows it: paragraphs separated by "\r".
    std::string Text() const;

    TextPosition End() const noexcept;
    TextPosition ParagraphEnd(std::size_t paragraph) const noexcept;
    // The nearest existing position not after position, on a character boundary.
    TextPosition Clamp(TextPosition position) const noexcept;
    // The paragraphs an extent touches. An extent that ends at the very start
    // of a paragraph, after the break before it, does not touch that paragraph.
    ParagraphRun ParagraphsOf(const TextExtent& extent) const noexcept;

    // Replaces the text of the extent (from not after to, both existing) by
    // text, in which "\r\n", "\r" and "\n" each start a new paragraph. New
    // paragraphs take the level of the paragraph where the text goes in, but
    // a new paragraph that ends with old text (from after the extent) keeps
    // that text's level. Returns where the inserted text ends. text must not
    // be a view into this body's own text, which the edit moves.
    TextPosition Replace(const TextExtent& extent, std::string_view text);

    // level from kMinIndentLevel to kMaxIndentLevel.
    void SetIndentLevel(const ParagraphRun& run, int level);

private:
    CParagraphs& m_paragraphs;
};

// Splits text at its paragraph breaks: "\r\n", a lone "\r" or a lone "\n".
// The pieces are views into text.
std::vector<std::string_view> SplitParagraphs(std::string_view text);
