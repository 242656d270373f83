// SPDX-License-Identifier: MIT
#include "TextSpan.h"

#include <algorithm>

CTextSpan CTextSpan::WholeText() noexcept
{
    return CTextSpan(Kind::Whole, TextExtent{});
}

CTextSpan CTextSpan::Paragraphs(std::size_t first, std::size_t count) noexcept
{
    const std::size_t last = first + std::max<std::size_t>(count, 1) - 1;
    return CTextSpan(Kind::ParagraphRun, TextExtent{{first, 0}, {last, 0}});
}

CTextSpan CTextSpan::Characters(const TextExtent& extent) noexcept
{
    return CTextSpan(Kind::CharacterRun, extent);
}

TextExtent CTextSpan::Resolve(const CTextBody& body) const noexcept
{
    switch (m_kind) {
    case Kind::Whole:
        return TextExtent{TextPosition{}, body.End()};
    case Kind::ParagraphRun: {
        // Paragraphs removed since the span was made leave it on the last one.
        const std::size_t lastIndex = body.ParagraphCount() - 1;
        const std::size_t first = std::min(m_extent.from.paragraph, lastIndex);
        const std::size_t last = std::min(m_extent.to.paragraph, lastIndex);
        return TextExtent{TextPosition{first, 0}, body.ParagraphEnd(last)};
    }
    case Kind::CharacterRun: {
        const TextPosition from = body.Clamp(m_extent.from);
        return TextExtent{from, std::max(from, body.Clamp(m_extent.to))};
    }
    }
    return TextExtent{TextPosition{}, body.End()};
}

CTextSpan CTextSpan::AfterReplace(const TextExtent& replaced, TextPosition newEnd) const noexcept
{
    switch (m_kind) {
    case Kind::Whole:
        return *this;
    case Kind::ParagraphRun:
        return Paragraphs(replaced.from.paragraph, newEnd.paragraph - replaced.from.paragraph + 1);
    case Kind::CharacterRun:
        return Characters(TextExtent{replaced.from, newEnd});
    }
    return *this;
}
