// SPDX-License-Identifier: MIT
#include "TextStyles.h"

#include "DefaultDesign.h"
#include "RecordWriter.h"

#include <algorithm>
#include <array>

namespace {

using Level = CTextStyles::Level;

constexpr std::int16_t kLevelStep = 432;       // 0.75 in per level
constexpr std::int16_t kBulletGap = 288;       // text starts 0.5 in after the bullet
constexpr std::uint16_t kDefaultTabSize = 576; // 1 in
constexpr std::uint16_t kCentered = 1;

constexpr std::uint16_t kSmallestSize = 8;

Level TitleLevel(const DesignDescription& design, int sizeChange, std::uint16_t alignment)
{
    Level level;
    level.fontSize = static_cast<std::uint16_t>(std::max(design.titleSize + sizeChange, 1));
    level.rgb = design.TitleRgb();
    level.alignment = alignment;
    level.bold = design.titleBold;
    level.fontIndex = design.TitleFontIndex();
    return level;
}

// The described body levels, smaller by sizeChange for narrower placeholders.
std::vector<Level> BodyLevels(const DesignDescription& design, int sizeChange, bool bullets,
                              std::uint16_t alignment)
{
    std::vector<Level> levels;
    for (int i = 0; i < kMaxIndentLevels; ++i) {
        const DesignDescription::BodyLevel& described = design.bodyLevels[std::size_t(i)];
        Level level;
        level.bullet = bullets;
        level.bulletChar = described.bullet;
        level.fontSize = static_cast<std::uint16_t>(
            std::max<int>(described.fontSize + sizeChange, kSmallestSize));
        level.rgb = design.TextRgb();
        level.alignment = alignment;
        level.spaceBefore = 20;
        if (bullets) {
            level.bulletOffset = static_cast<std::int16_t>(kLevelStep * i);
            level.textOffset = static_cast<std::int16_t>(kLevelStep * i + kBulletGap);
        }
        levels.push_back(level);
    }
    return levels;
}

// Five levels, each smaller than the one above down to a floor.
std::vector<Level> PlainLevels(const DesignDescription& design, std::uint16_t topSize)
{
    std::vector<Level> levels;
    for (int i = 0; i < kMaxIndentLevels; ++i) {
        Level level;
        const int size = topSize - 4 * i;
        level.bulletChar = design.bodyLevels[std::size_t(i)].bullet; // stored, though off
        level.fontSize = static_cast<std::uint16_t>(size < topSize - 8 ? topSize - 8 : size);
        level.rgb = design.TextRgb();
        level.spaceBefore = 20;
        levels.push_back(level);
    }
    return levels;
}

std::vector<Level> LevelsFor(TextType type, const DesignDescription& design)
{
    switch (type) {
    case TextType::Title:
        return {TitleLevel(design, 0, 0)};
    case TextType::CenterTitle:
        return {TitleLevel(design, 4, kCentered)};
    case TextType::Body:
        return BodyLevels(design, 0, true, 0);
    case TextType::HalfBody:
        return BodyLevels(design, -4, true, 0);
    case TextType::QuarterBody:
        return BodyLevels(design, -8, true, 0);
    case TextType::CenterBody:
        return BodyLevels(design, 0, false, kCentered);
    case TextType::Notes:
        return PlainLevels(design, 12);
    case TextType::Other:
        break;
    }
    return PlainLevels(design, 18);
}

std::uint32_t TextColor(std::uint32_t rgb)
{
    // Stored red first, then green and blue, with the RGB marker on top.
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    return kColorIsRgb | (blue << 16) | (green << 8) | red;
}

} // namespace

CTextStyles::CTextStyles(TextType type, const DesignDescription& design)
    : m_type(type), m_bulletRgb(design.bulletRgb), m_levels(LevelsFor(type, design))
{}

void CTextStyles::Write(CRecordWriter& writer) const
{
    const auto instance = static_cast<std::uint16_t>(m_type);
    writer.BeginRecord(RecordType::TextMasterStyleAtom, 0, instance);
    writer.U16(static_cast<std::uint16_t>(m_levels.size()));
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        if (instance >= kFirstLevelNumberedTextType)
            writer.U16(static_cast<std::uint16_t>(i));
        // LibreOffice reads the first level of a style without level numbers
        // by an older field layout, which agrees with the format's only when
        // every paragraph field is present; so that level carries them all,
        // as PowerPoint and LibreOffice write it.
        const bool everyField = i == 0 && instance < kFirstLevelNumberedTextType;
        WriteParagraphStyle(writer, m_levels[i], everyField);
        WriteCharacterStyle(writer, m_levels[i]);
    }
    writer.EndRecord();
}

void CTextStyles::WriteParagraphStyle(CRecordWriter& writer, const Level& level,
                                      bool everyField) const
{
    const std::uint32_t rest = everyField ? kPfDefaultTabSize | kPfTabStops | kPfFontAlign |
                                                kPfWrapFlags | kPfTextDirection
                                          : 0;
    writer.U32(kPfBulletFlags | kPfBulletChar | kPfBulletFont | kPfBulletSize | kPfBulletColor |
               kPfAlignment | kPfLineSpacing | kPfSpaceBefore | kPfSpaceAfter | kPfLeftMargin |
               kPfIndent | rest);
    // Fields follow in the format's fixed order, which is not the bit order.
    writer.U16(level.bullet ? kBulletOnWithFontColorSize : 0);
    writer.U16(static_cast<std::uint16_t>(level.bulletChar));
    writer.U16(0);   // bullet font: the first font
    writer.U16(100); // bullet size, percent of the text
    writer.U32(TextColor(m_bulletRgb));
    writer.U16(level.alignment);
    writer.U16(100); // line spacing, percent
    writer.I16(level.spaceBefore);
    writer.I16(0); // space after
    writer.I16(level.textOffset);
    writer.I16(level.bulletOffset);
    if (everyField) {
        writer.U16(kDefaultTabSize);
        writer.U16(0); // no tab stops
        writer.U16(0); // font alignment: roman baseline
        writer.U16(kWordWrap);
        writer.U16(0); // left to right
    }
}

void CTextStyles::WriteCharacterStyle(CRecordWriter& writer, const Level& level) const
{
    writer.U32(kCfStyleBoldItalicUnderline | kCfFont | kCfSize | kCfColor);
    writer.U16(level.bold ? 1 : 0); // never italic or underlined
    writer.U16(level.fontIndex);
    writer.U16(level.fontSize);
    writer.U32(TextColor(level.rgb));
}
