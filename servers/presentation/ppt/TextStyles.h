// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"
#include "PptFormat.h"

#include <cstdint>
#include <vector>

class CRecordWriter;

// The master text style of one text type (title, body, centred title, ...):
// font, size, colour, alignment, bullet and indents for each level. The
// master holds one per placeholder type; the environment holds the one for
// free text.
class CTextStyles
{
public:
    explicit CTextStyles(TextType type, const DesignDescription& design = {});

    void Write(CRecordWriter& writer) const;

    struct Level
    {
        bool bullet = false;
        char16_t bulletChar = 0;
        std::uint16_t fontSize = 18; // points
        std::uint32_t rgb = 0;
        std::uint16_t alignment = 0;  // 0 left, 1 centre
        std::int16_t spaceBefore = 0; // percent of a line
        std::int16_t textOffset = 0;  // master units
        std::int16_t bulletOffset = 0;
        bool bold = false;
        std::uint16_t fontIndex = 0;
    };

    const std::vector<Level>& Levels() const { return m_levels; }

private:
    void WriteParagraphStyle(CRecordWriter& writer, const Level& level, bool everyField) const;
    void WriteCharacterStyle(CRecordWriter& writer, const Level& level) const;

    TextType m_type;
    std::uint32_t m_bulletRgb;
    std::vector<Level> m_levels;
};
