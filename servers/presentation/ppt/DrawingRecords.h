// SPDX-License-Identifier: MIT
#pragma once

#include "DefaultDesign.h"
#include "PptFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CRecordWriter;
class CTextRecords;

// One placeholder shape of a drawing.
struct PlaceholderShape
{
    std::uint32_t shapeId = 0;
    std::int32_t position = 0; // placeholder number on its slide
    PlacementId placement = PlacementId::None;
    std::uint8_t size = kPlaceholderFull;
    ShapeAnchor anchor{};
    bool anchorMiddle = false;
    std::uint32_t masterShapeId = 0;               // 0 for the master's own placeholders
    std::u16string name;                           // stored name; empty stores none
    std::optional<std::uint32_t> outlineTextIndex; // text kept in the slide list
    const CTextRecords* inlineText = nullptr;      // text kept in the shape
};

// The drawing of a slide or master: the group that holds the placeholders and
// the background shape. Shape ids come from the drawing's own cluster of
// 1024: the group takes the first, the background the second, so placeholders
// numbered 2, 3, 4 get the ids PowerPoint derives "Rectangle 2/3/4" from.
class CDrawingRecords
{
public:
    CDrawingRecords(std::uint32_t drawingId, std::vector<PlaceholderShape> shapes);

    void Write(CRecordWriter& writer) const;

    static std::uint32_t ClusterBase(std::uint32_t drawingId);
    std::uint32_t DrawingId() const { return m_drawingId; }
    std::uint32_t ShapeCount() const;
    std::uint32_t LastShapeId() const;
    // The background shape's fill, 0xRRGGBB.
    void SetBackground(std::uint32_t rgb) { m_backgroundRgb = rgb; }

private:
    void WriteGroupShape(CRecordWriter& writer) const;
    void WritePlaceholder(CRecordWriter& writer, const PlaceholderShape& shape) const;
    void WriteBackground(CRecordWriter& writer) const;

    std::uint32_t m_drawingId;
    std::vector<PlaceholderShape> m_shapes;
    std::uint32_t m_backgroundRgb = DefaultDesign::kBackgroundRgb;
};
