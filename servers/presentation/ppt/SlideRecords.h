// SPDX-License-Identifier: MIT
#pragma once

#include "DrawingRecords.h"
#include "PptFormat.h"
#include "PresentationDocument.h"
#include "SlideDesign.h"
#include "TextRecords.h"

#include <array>
#include <cstdint>
#include <vector>

class CRecordWriter;

// Where a slide sits among the ids the packager hands out.
struct SlidePlacement
{
    std::uint32_t persistId = 0;
    std::uint32_t slideId = 0;
    std::uint32_t drawingId = 0;
    std::uint32_t masterId = 0;
    std::uint32_t masterTitleShapeId = 0;
    std::uint32_t masterBodyShapeId = 0;
    // Positions and colours from the applied template; null: the default design.
    const SlideDesign* design = nullptr;
};

// One slide: its container (layout, drawing with the placeholders, colour
// scheme) and its entry in the document's slide list, which holds the
// placeholder text where PowerPoint keeps it, so outline views and text
// extraction find it.
class CSlideRecords
{
public:
    CSlideRecords(const SlideData& slide, const SlidePlacement& placement);

    void Write(CRecordWriter& writer) const;
    void WriteListEntry(CRecordWriter& writer) const;

    const CDrawingRecords& Drawing() const { return m_drawing; }

    static void WriteSlideAtom(CRecordWriter& writer, SlideGeom geom,
                               const std::array<PlacementId, kPlaceholderTypeSlots>& types,
                               std::uint32_t masterId, std::uint16_t flags);
    static void
    WriteColorScheme(CRecordWriter& writer, std::uint16_t instance,
                     const std::array<std::uint32_t, 8>& scheme = DefaultDesign::kColorScheme);

private:
    std::vector<PlaceholderShape> BuildShapes(const SlideData& slide);

    SlidePlacement m_placement;
    SlideDesign m_design;
    SlideGeom m_geom;
    std::vector<CTextRecords> m_texts;
    std::array<PlacementId, kPlaceholderTypeSlots> m_types{};
    CDrawingRecords m_drawing;
};
