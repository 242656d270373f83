// SPDX-License-Identifier: MIT
#pragma once

#include "TextBody.h"

#include <cstddef>

// What a text range addresses in its frame's text. Ranges are views: the
// whole text and runs of paragraphs are looked up again at every use, so a
// range taken before an insertion still covers what its name says after it.
// A run of characters (the text that InsertAfter put in) keeps its places
// and is fitted to the text as it is when used.
class CTextSpan
{
public:
    static CTextSpan WholeText() noexcept;
    // count paragraphs from first, both at least as given when used.
    static CTextSpan Paragraphs(std::size_t first, std::size_t count) noexcept;
    static CTextSpan Characters(const TextExtent& extent) noexcept;

    // Where the span lies in body now; always an existing, ordered extent.
    TextExtent Resolve(const CTextBody& body) const noexcept;

    // The span after its text was replaced by text ending at newEnd.
    CTextSpan AfterReplace(const TextExtent& replaced, TextPosition newEnd) const noexcept;

private:
    enum class Kind
    {
        Whole,
        ParagraphRun,
        CharacterRun,
    };

    CTextSpan(Kind kind, const TextExtent& extent) noexcept : m_kind(kind), m_extent(extent) {}

    Kind m_kind;
    // Paragraph runs: from.paragraph is the first, to.paragraph the last.
    TextExtent m_extent;
};
