// SPDX-License-Identifier: MIT
#include "DocumentRecords.h"

#include "EnvironmentRecords.h"
#include "MasterRecords.h"
#include "RecordWriter.h"
#include "SlideRecords.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint32_t kZoomNumerator = 5;
constexpr std::uint32_t kZoomDenominator = 10;
constexpr std::uint16_t kOnScreenShow = 0;

// The slide view as PowerPoint leaves it: snap to grid on, guides off, a 55%
// zoom with the slide placed in a window of that size.
constexpr std::uint8_t kSnapToGrid = 1;
constexpr std::uint32_t kViewScale = 55;
constexpr std::uint32_t kViewScaleBase = 100;
constexpr std::int32_t kViewWidth = 6060;
constexpr std::int32_t kViewHeight = 3546;
constexpr std::int32_t kViewOriginX = -780;
constexpr std::int32_t kViewOriginY = -84;

// What new shapes take unless they say otherwise: scheme colours for fill,
// line and shadow; and the colours the fill, line and 3-D menus offer first.
constexpr std::uint32_t kDefaultFillScheme = 4;
constexpr std::uint32_t kDefaultLineScheme = 1;
constexpr std::uint32_t kDefaultShadowScheme = 2;
constexpr std::uint16_t kDefaultShapeProperties = 6;
constexpr std::uint16_t kSplitMenuColorCount = 4;
constexpr std::uint32_t kSplitMenuColors[kSplitMenuColorCount] = {
    kSchemeColor | 4, kSchemeColor | 1, kSchemeColor | 2, 0x100000F7};

void WriteScale(CRecordWriter& writer)
{
    for (int axis = 0; axis < 2; ++axis) {
        writer.U32(kViewScale);
        writer.U32(kViewScaleBase);
    }
}

void WriteDefaultShapeProperties(CRecordWriter& writer)
{
    writer.BeginRecord(RecordType::Fopt, kFoptVersion, kDefaultShapeProperties);
    const std::pair<ShapeProperty, std::uint32_t> properties[kDefaultShapeProperties] = {
        {ShapeProperty::FillColor, kSchemeColor | kDefaultFillScheme},
        {ShapeProperty::FillBackColor, kSchemeColor},
        {ShapeProperty::FillBooleans, kSolidFill},
        {ShapeProperty::LineColor, kSchemeColor | kDefaultLineScheme},
        {ShapeProperty::LineBooleans, kSolidLine},
        {ShapeProperty::ShadowColor, kSchemeColor | kDefaultShadowScheme}};
    for (const auto& [id, value] : properties) {
        writer.U16(static_cast<std::uint16_t>(id));
        writer.U32(value);
    }
    writer.EndRecord();

    writer.BeginRecord(RecordType::SplitMenuColors, 0, kSplitMenuColorCount);
    for (std::uint32_t color : kSplitMenuColors)
        writer.U32(color);
    writer.EndRecord();
}

} // namespace

CDocumentRecords::CDocumentRecords(MasterEntry master, const std::vector<CSlideRecords>& slides,
                                   const DesignDescription& design)
    : m_master(master), m_slides(slides), m_design(design)
{
    m_drawings.push_back(&master.master->Drawing());
    for (const CSlideRecords& slide : slides)
        m_drawings.push_back(&slide.Drawing());
}

void CDocumentRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Document);
    WriteDocumentAtom(writer);
    CEnvironmentRecords(m_design).Write(writer);
    WriteDrawingGroup(writer);
    // Some readers take the first slide list as the masters' whatever its
    // instance says, so the master list always comes first.
    WriteMasterList(writer);
    WriteDocInfoList(writer);
    WriteSlideHeadersFooters(writer);
    if (!m_slides.empty())
        WriteSlideList(writer);
    writer.BeginRecord(RecordType::EndDocumentAtom);
    writer.EndRecord();
    writer.EndRecord();
}

// The format lets a document leave these settings out, but PowerPoint always
// writes them and some readers add them to the document when they draw a
// slide, which fails in a document that has neither them nor a DocInfoList.
void WriteSlideHeadersFooters(CRecordWriter& writer)
{
    writer.BeginContainer(RecordType::HeadersFooters, kHeadersFootersSlides);
    writer.BeginRecord(RecordType::HeadersFootersAtom);
    writer.U16(0); // date format
    writer.U16(0); // no date, slide number, header or footer shown
    writer.EndRecord();
    writer.EndRecord();
}

// Optional in the format, but PowerPoint writes the slide view's settings in
// every file.
void WriteDocInfoList(CRecordWriter& writer)
{
    writer.BeginContainer(RecordType::List);
    writer.BeginContainer(RecordType::SlideViewInfo);
    writer.BeginRecord(RecordType::SlideViewInfoAtom);
    writer.U8(0); // guides hidden
    writer.U8(kSnapToGrid);
    writer.U8(0); // no snapping to shapes
    writer.EndRecord();
    writer.BeginRecord(RecordType::ViewInfoAtom);
    WriteScale(writer); // current zoom
    WriteScale(writer); // the zoom before it
    writer.I32(kViewWidth);
    writer.I32(kViewHeight);
    writer.I32(kViewOriginX);
    writer.I32(kViewOriginY);
    writer.U8(1); // zoom follows the window
    writer.U8(0); // not in draft mode
    writer.U16(0);
    writer.EndRecord();
    writer.EndRecord();
    writer.EndRecord();
}

void CDocumentRecords::WriteDocumentAtom(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::DocumentAtom, kDocumentAtomVersion);
    writer.U32(kSlideWidth);
    writer.U32(kSlideHeight);
    writer.U32(kSlideHeight); // notes pages are the slide turned upright
    writer.U32(kSlideWidth);
    writer.U32(kZoomNumerator);
    writer.U32(kZoomDenominator);
    writer.U32(0); // no notes master
    writer.U32(0); // no handout master
    writer.U16(1); // first slide number
    writer.U16(kOnScreenShow);
    writer.U8(0); // fonts not embedded
    writer.U8(0); // title placeholders shown
    writer.U8(0); // left to right
    writer.U8(1); // comments shown
    writer.EndRecord();
}

// Drawing k owns the k-th cluster of 1024 shape ids; the table tells readers
// which drawing a shape id belongs to.
void CDocumentRecords::WriteDrawingGroup(CRecordWriter& writer) const
{
    std::uint32_t lastShapeId = 0;
    std::uint32_t shapeCount = 0;
    for (const CDrawingRecords* drawing : m_drawings) {
        lastShapeId = std::max(lastShapeId, drawing->LastShapeId());
        shapeCount += drawing->ShapeCount();
    }
    const auto drawingCount = static_cast<std::uint32_t>(m_drawings.size());

    writer.BeginContainer(RecordType::DrawingGroup);
    writer.BeginContainer(RecordType::DggContainer);
    writer.BeginRecord(RecordType::Fdgg);
    writer.U32(lastShapeId + 1);
    writer.U32(drawingCount + 1);
    writer.U32(shapeCount);
    writer.U32(drawingCount);
    // Drawing ids run 1, 2, 3 ... in list order, so entry i is drawing i + 1.
    for (const CDrawingRecords* drawing : m_drawings) {
        const std::uint32_t base = CDrawingRecords::ClusterBase(drawing->DrawingId());
        writer.U32(drawing->DrawingId());
        writer.U32(drawing->LastShapeId() - base + 1);
    }
    writer.EndRecord();
    WriteDefaultShapeProperties(writer);
    writer.EndRecord();
    writer.EndRecord();
}

void CDocumentRecords::WriteMasterList(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::SlideListWithText, kSlideListMasters);
    writer.BeginRecord(RecordType::SlidePersistAtom);
    writer.U32(m_master.persistId);
    writer.U32(0); // flags
    writer.U32(0); // a master keeps its text in its shapes
    writer.U32(m_master.masterId);
    writer.U32(0); // reserved
    writer.EndRecord();
    writer.EndRecord();
}

void CDocumentRecords::WriteSlideList(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::SlideListWithText, kSlideListSlides);
    for (const CSlideRecords& slide : m_slides)
        slide.WriteListEntry(writer);
    writer.EndRecord();
}
