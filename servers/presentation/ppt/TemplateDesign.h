// SPDX-License-Identifier: MIT
#pragma once

#include "PptFormat.h"
#include "SlideDesign.h"

#include <cstdint>
#include <optional>
#include <vector>

// A master as the template stores it. Its container is copied into the
// output byte for byte, so its drawing and shape ids, master id and text
// styles (whose font indexes point into the template's environment) stay
// valid as long as the writer keeps them.
struct TemplateMaster
{
    std::vector<std::uint8_t> container; // header included
    std::uint32_t masterId = 0;
    bool isTitleMaster = false;  // a slide container in the master list
    std::uint32_t drawingId = 0; // 0: the master has no drawing
    std::uint32_t shapeCount = 0;
    std::uint32_t lastShapeId = 0;
};

// One entry of the drawing group's shape-id cluster table.
struct DrawingCluster
{
    std::uint32_t drawingId = 0; // 0: free
    std::uint32_t nextShape = 0;
};

// The design of a template, as the writer builds a presentation around it:
// the text environment, the drawing group with its pictures, and the
// masters, all kept as stored; the slides are made new and take their
// placeholder positions and colours from the main master.
struct TemplateDesign
{
    std::uint32_t slideWidth = kSlideWidth;
    std::uint32_t slideHeight = kSlideHeight;
    std::uint16_t slideSizeType = 0;
    std::vector<std::uint8_t> environment; // the Environment container; empty: ours
    // Children of the drawing group's container after its cluster table:
    // the picture store and the default shape properties.
    std::vector<std::uint8_t> drawingGroupExtras;
    std::vector<DrawingCluster> clusters;
    std::vector<TemplateMaster> masters; // in the template's master-list order
    std::size_t mainMaster = 0;
    std::optional<std::size_t> titleMaster;
    // Master placeholders that slide placeholders name as theirs (0: none).
    std::uint32_t titleShapeId = 0;
    std::uint32_t bodyShapeId = 0;
    std::uint32_t centerTitleShapeId = 0;
    std::uint32_t subtitleShapeId = 0;
    SlideDesign slides;
    // The same for title slides, coloured by the title master they follow.
    SlideDesign titleSlides;
    std::vector<std::uint8_t> pictures; // the Pictures stream, when the design uses any
};
