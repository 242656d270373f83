// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"
#include "TemplateDesign.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>

// A placeholder of a master's drawing: its shape id and where it sits.
struct MasterShape
{
    std::uint32_t shapeId = 0;
    ShapeAnchor anchor{};
};

// What the reader looks up in a master container once it has found it.
namespace MasterShapes {

// The master's placeholders by placement id (master title, body, ...).
std::map<std::uint8_t, MasterShape> Placeholders(const CRecordReader& reader,
                                                 const RecordNode& master);

// The drawing id, shape count and last shape id of the master's drawing.
void DrawingIds(const CRecordReader& reader, const RecordNode& master, TemplateMaster& stored);

// The master's current colour scheme, 0xRRGGBB each.
std::optional<std::array<std::uint32_t, 8>> ColorScheme(const CRecordReader& reader,
                                                        const RecordNode& master);

// Slide placeholder positions and colours from the main master's and (if
// any) the title master's placeholders, on a page of the given size.
SlideDesign SlidesFrom(const std::map<std::uint8_t, MasterShape>& main,
                       const std::map<std::uint8_t, MasterShape>& title, std::uint32_t width,
                       std::uint32_t height);

} // namespace MasterShapes
