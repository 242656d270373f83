// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The design a .pptx is built on: the writer's own, or one taken from an
// Office Open XML template (.potx, .pptx). Parts carry the names they get in
// the written package, and their relationships are already rewritten to
// those names, so the writer stores them as they are.

struct PackageDesignPart
{
    std::string name;        // e.g. "ppt/slideLayouts/slideLayout2.xml", no leading slash
    std::string contentType; // listed for the part in [Content_Types].xml
    std::string bytes;
};

// Where a slide placeholder sits: the layout placeholder it inherits from,
// named by type and index as the layout names it, and, when the layout has
// none for it, a frame of its own in EMUs.
struct PlaceholderSpot
{
    PlaceholderSpot() = default;
    PlaceholderSpot(std::string phType, int phIndex = -1, bool halfSize = false)
        : type(std::move(phType)), index(phIndex), half(halfSize)
    {}

    std::string type; // empty: no type, a content placeholder
    int index = -1;   // -1: no idx
    bool half = false;
    struct Frame
    {
        std::int64_t x = 0, y = 0, width = 0, height = 0;
    };
    std::optional<Frame> frame;
};

// The layout that slides of one of the presentation's layouts (1 title,
// 2 title and text, 3 title and two columns) use.
struct PackageLayout
{
    std::string part;                      // a layout part of the design
    PlaceholderSpot title;                 // the centre title on title slides
    PlaceholderSpot subtitle;              // title slides only
    std::array<PlaceholderSpot, 2> bodies; // the text, or its two columns
};

struct PackageDesign
{
    std::vector<PackageDesignPart> parts; // master, layouts, theme and what they refer to
    std::string masterPart;
    std::string themePart;
    std::array<PackageLayout, 3> layouts;
    std::int64_t slideWidth = 9144000; // EMU, 10 in
    std::int64_t slideHeight = 6858000;
    std::string slideSizeType = "screen4x3"; // empty: none stored
};
