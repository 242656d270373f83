// SPDX-License-Identifier: MIT
#pragma once

#include "DefaultDesign.h"

#include <array>
#include <cstdint>

// What a slide copies from its master: where its placeholders sit and the
// colour scheme it stores beside its drawing. Anchors are in master units.
struct SlideDesign
{
    ShapeAnchor title = DefaultDesign::kTitle;
    ShapeAnchor body = DefaultDesign::kBody;
    ShapeAnchor centerTitle = DefaultDesign::kCenterTitle;
    ShapeAnchor subtitle = DefaultDesign::kSubtitle;
    ShapeAnchor leftColumn = DefaultDesign::kLeftColumn;
    ShapeAnchor rightColumn = DefaultDesign::kRightColumn;
    // Background, text and lines, shadows, title text, fills, accent, accent
    // and hyperlink, accent and followed hyperlink; 0xRRGGBB each.
    std::array<std::uint32_t, 8> colorScheme = DefaultDesign::kColorScheme;
};
