// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The design every new presentation starts with: white ground, dark text, a
// deep blue title, Arial throughout, and bulleted body text on five levels.
// Positions are in master units (576 per inch) on a 10 x 7.5 in slide.

struct ShapeAnchor
{
    std::int16_t top;
    std::int16_t left;
    std::int16_t right;
    std::int16_t bottom;
};

namespace DefaultDesign {

inline constexpr const char16_t* kFontName = u"Arial";

// Background, text and lines, shadows, title text, fills, accent, accent and
// hyperlink, accent and followed hyperlink.
inline constexpr std::array<std::uint32_t, 8> kColorScheme = {
    0xFFFFFF, 0x262626, 0x808080, 0x1F3864, 0xDCE6F2, 0x2E74B5, 0x0563C1, 0x7F7F7F};
inline constexpr std::uint32_t kBackgroundRgb = 0xFFFFFF;
inline constexpr std::uint32_t kTextRgb = 0x262626;
inline constexpr std::uint32_t kTitleRgb = 0x1F3864;
inline constexpr std::uint32_t kBulletRgb = 0x2E74B5;

inline constexpr ShapeAnchor kTitle{173, 288, 5472, 893};
inline constexpr ShapeAnchor kBody{1008, 288, 5472, 3859};
inline constexpr ShapeAnchor kCenterTitle{1342, 432, 5328, 2268};
inline constexpr ShapeAnchor kSubtitle{2448, 864, 4896, 3552};
inline constexpr ShapeAnchor kLeftColumn{1008, 288, 2832, 3859};
inline constexpr ShapeAnchor kRightColumn{1008, 2928, 5472, 3859};

} // namespace DefaultDesign
