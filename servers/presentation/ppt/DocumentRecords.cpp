#include "DocumentRecords.h"

#include "EnvironmentRecords.h"
#include "MasterRecords.h"
#include "RecordWriter.h"
#include "SlideRecords.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kZoomNumerator = 5;
constexpr std::uint32_t kZoomDenominator = 10;
constexpr std::uint16_t kOnScreenShow = 0;

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
