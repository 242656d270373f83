// SPDX-License-Identifier: MIT
#include "TextBody.h"

#include "Utf8Text.h"

#include <utility>

CTextBody::CTextBody() : m_paragraphs(1) {}

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
    const std::string& text = m_paragraphs[position.paragraph].text;
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
    std::vector<std::string> pieces = SplitParagraphs(ToValidUtf8(text));
    const TextPosition from = extent.from;
    const TextParagraph& lastReplaced = m_paragraphs[extent.to.paragraph];
    const int level = m_paragraphs[from.paragraph].indentLevel;
    // Bullets arrive at the end of the text: their tail is empty and costs nothing.
    const std::string tail = lastReplaced.text.substr(extent.to.offset);
    const int tailLevel = tail.empty() ? level : lastReplaced.indentLevel;

    const auto firstAfter = m_paragraphs.begin() + static_cast<std::ptrdiff_t>(from.paragraph + 1);
    m_paragraphs.erase(
        firstAfter, firstAfter + static_cast<std::ptrdiff_t>(extent.to.paragraph - from.paragraph));
    const std::size_t added = pieces.size() - 1;
    m_paragraphs.insert(m_paragraphs.begin() + static_cast<std::ptrdiff_t>(from.paragraph + 1),
                        added, TextParagraph{std::string(), level});
    for (std::size_t i = 1; i < pieces.size(); ++i)
        m_paragraphs[from.paragraph + i].text = std::move(pieces[i]);

    std::string& head = m_paragraphs[from.paragraph].text;
    head.erase(from.offset);
    head += pieces.front();
    const TextPosition end = ParagraphEnd(from.paragraph + added);
    if (added > 0)
        m_paragraphs[end.paragraph].indentLevel = tailLevel;
    m_paragraphs[end.paragraph].text += tail;
    return end;
}

void CTextBody::SetIndentLevel(const ParagraphRun& run, int level)
{
    for (std::size_t i = run.first; i <= run.last && i < m_paragraphs.size(); ++i)
        m_paragraphs[i].indentLevel = level;
}

std::vector<std::string> SplitParagraphs(std::string_view text)
{
    std::vector<std::string> pieces;
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
