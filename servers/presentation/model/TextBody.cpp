// SPDX-License-Identifier: MIT
#include "TextBody.h"

#include "Utf8Text.h"

#include <utility>

std::string CTextBody::Text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += m_paragraphs[i].text;
    }
    return text;
}

TextPosition CTextBody::End() const noexcept
{
    return ParagraphEnd(m_paragraphs.size() - 1);
}

TextPosition CTextBody::ParagraphEnd(std::size_t paragraph) const noexcept
{
    return TextPosition{paragraph, m_paragraphs[paragraph].text.size()};
}

TextPosition CTextBody::Clamp(TextPosition position) const noexcept
{
    if (position.paragraph >= m_paragraphs.size())
        return End();
    const std::string_view text = m_paragraphs[position.paragraph].text;
    return TextPosition{position.paragraph, CharacterBoundaryAtOrBefore(text, position.offset)};
}

ParagraphRun CTextBody::ParagraphsOf(const TextExtent& extent) const noexcept
{
    std::size_t last = extent.to.paragraph;
    if (extent.to.offset == 0 && last > extent.from.paragraph)
        --last;
    return ParagraphRun{extent.from.paragraph, last};
}

TextPosition CTextBody::Replace(const TextExtent& extent, std::string_view text)
{
    // Text that is valid UTF-8 already, nearly all, is read where it is.
    std::string repaired;
    if (!IsValidUtf8(text)) {
        repaired = ToValidUtf8(text);
        text = repaired;
    }
    const std::vector<std::string_view> pieces = SplitParagraphs(text);
    const TextPosition from = extent.from;
    const ParagraphView lastReplaced = m_paragraphs[extent.to.paragraph];
    const int level = m_paragraphs[from.paragraph].indentLevel;
    // Bullets arrive at the end of the text: their tail is empty.
    const bool tailEmpty = extent.to.offset == lastReplaced.text.size();
    const int tailLevel = tailEmpty ? level : lastReplaced.indentLevel;

    m_paragraphs.Replace(
        from.paragraph, extent.to.paragraph, m_paragraphs.Start(from.paragraph) + from.offset,
        m_paragraphs.Start(extent.to.paragraph) + extent.to.offset, pieces, level, tailLevel);
    const std::size_t last = from.paragraph + pieces.size() - 1;
    const std::size_t endOffset =
        pieces.size() == 1 ? from.offset + pieces.front().size() : pieces.back().size();
    return TextPosition{last, endOffset};
}

void CTextBody::SetIndentLevel(const ParagraphRun& run, int level)
{
    for (std::size_t i = run.first; i <= run.last && i < m_paragraphs.size(); ++i)
        m_paragraphs.SetLevel(i, level);
}

std::vector<std::string_view> SplitParagraphs(std::string_view text)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        pieces.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}
