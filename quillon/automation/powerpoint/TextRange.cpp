// SPDX-License-Identifier: MIT
#include "TextRange.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

void TextRange::SetText(const std::string& text) const
{
    SetProperty(PowerPointDispid::TextRangeText, text);
}

TextRange TextRange::InsertAfter(const std::string& newText) const
{
    return TextRange(
        GetObject(PowerPointDispid::TextRangeInsertAfter, InvokeKind::Method, {newText}));
}

TextRange TextRange::Paragraphs(std::int32_t start, std::int32_t length) const
{
    return TextRange(
        GetObject(PowerPointDispid::TextRangeParagraphs, InvokeKind::Method, {start, length}));
}

void TextRange::SetIndentLevel(std::int32_t level) const
{
    SetProperty(PowerPointDispid::TextRangeIndentLevel, level);
}

} // namespace PowerPoint
