// SPDX-License-Identifier: MIT
#include "TextRange.h"

#include "PowerPointDispids.h"

#include <utility>

namespace PowerPoint {

void TextRange::SetText(std::string text) const
{
    SetProperty(PowerPointDispid::TextRangeText, std::move(text));
}

TextRange TextRange::InsertAfter(std::string newText) const
{
    return TextRange(GetObjectWith(PowerPointDispid::TextRangeInsertAfter, InvokeKind::Method,
                                   std::move(newText)));
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
