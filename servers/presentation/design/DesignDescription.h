// SPDX-License-Identifier: MIT
#pragma once

#include "DefaultDesign.h"

#include <array>
#include <cstdint>
#include <string>

// A slide master as a person describes it: colours, fonts and the size and
// bullet of each text level. The .ppt and .pptx writers both draw their
// master from it; the built-in design is the default value, and the shipped
// templates quillon.pot and quillon.potx are built from one description kept
// in the repository (data/quillon-design.ini).
struct DesignDescription
{
    struct BodyLevel
    {
        std::uint16_t fontSize; // points
        char16_t bullet;
    };

    // Background, text and lines, shadows, title text, fills, accent, accent
    // and hyperlink, accent and followed hyperlink; 0xRRGGBB each. The
    // background, text and title entries also colour the master itself.
    // The master's name, shown where PowerPoint lists the designs in use.
    std::u16string name = u"Default Design";
    std::array<std::uint32_t, 8> colorScheme = DefaultDesign::kColorScheme;
    std::uint32_t bulletRgb = DefaultDesign::kBulletRgb;
    std::u16string bodyFont = DefaultDesign::kFontName;
    std::u16string titleFont = DefaultDesign::kFontName;
    std::uint16_t titleSize = 40;
    bool titleBold = false;
    std::array<BodyLevel, 5> bodyLevels = {
        {{28, u'\u2022'}, {24, u'\u2013'}, {20, u'\u2022'}, {20, u'\u2013'}, {20, u'\u00BB'}}};

    std::uint32_t BackgroundRgb() const { return colorScheme[0]; }
    std::uint32_t TextRgb() const { return colorScheme[1]; }
    std::uint32_t TitleRgb() const { return colorScheme[3]; }
    // Titles use the second font when they have one of their own.
    std::uint16_t TitleFontIndex() const { return titleFont == bodyFont ? 0 : 1; }
};
