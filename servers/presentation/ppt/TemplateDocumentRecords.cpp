// SPDX-License-Identifier: MIT
#include "TemplateDocumentRecords.h"

#include "DocumentRecords.h"
#include "EnvironmentRecords.h"
#include "RecordWriter.h"
#include "SlideRecords.h"
#include "TemplateDesign.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kZoomNumerator = 5;
constexpr std::uint32_t kZoomDenominator = 10;

bool OwnedByMaster(const TemplateDesign& design, std::uint32_t drawingId)
{
    return drawingId != 0 &&
           std::any_of(design.masters.begin(), design.masters.end(),
                       [drawingId](const TemplateMaster& m) { return m.drawingId == drawingId; });
}

} // namespace

CTemplateDocumentRecords::CTemplateDocumentRecords(const TemplateDesign& design,
                                                   std::uint32_t firstMasterPersistId,
                                                   const std::vector<CSlideRecords>& slides)
    : m_design(design), m_firstMasterPersistId(firstMasterPersistId), m_slides(slides)
{}

std::uint32_t CTemplateDocumentRecords::FirstSlideDrawingId(const TemplateDesign& design)
{
    auto last = static_cast<std::uint32_t>(design.clusters.size());
    for (const TemplateMaster& master : design.masters)
        last = std::max(last, master.drawingId);
    return last + 1;
}

void CTemplateDocumentRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Document);
    WriteDocumentAtom(writer);
    if (m_design.environment.empty())
        CEnvironmentRecords().Write(writer);
    else
        writer.Bytes(m_design.environment);
    WriteDrawingGroup(writer);
    WriteMasterList(writer);
    WriteDocInfoList(writer);
    WriteSlideHeadersFooters(writer);
    if (!m_slides.empty()) {
        writer.BeginContainer(RecordType::SlideListWithText, kSlideListSlides);
        for (const CSlideRecords& slide : m_slides)
            slide.WriteListEntry(writer);
        writer.EndRecord();
    }
    writer.BeginRecord(RecordType::EndDocumentAtom);
    writer.EndRecord();
    writer.EndRecord();
}

// Notes and handout masters are left behind with the template's slides, so
// their references are cleared.
void CTemplateDocumentRecords::WriteDocumentAtom(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::DocumentAtom, kDocumentAtomVersion);
    writer.U32(m_design.slideWidth);
    writer.U32(m_design.slideHeight);
    writer.U32(m_design.slideHeight);
    writer.U32(m_design.slideWidth);
    writer.U32(kZoomNumerator);
    writer.U32(kZoomDenominator);
    writer.U32(0); // no notes master
    writer.U32(0); // no handout master
    writer.U16(1); // first slide number
    writer.U16(m_design.slideSizeType);
    writer.U8(0); // fonts not embedded
    writer.U8(0); // title placeholders shown
    writer.U8(0); // left to right
    writer.U8(1); // comments shown
    writer.EndRecord();
}

// Pairs of (drawing id, next free shape number), one per cluster. Clusters of
// the template's dropped drawings are marked free.
std::vector<std::uint32_t> CTemplateDocumentRecords::ClusterTable() const
{
    std::vector<std::uint32_t> table;
    for (const DrawingCluster& cluster : m_design.clusters) {
        const bool kept = OwnedByMaster(m_design, cluster.drawingId);
        table.push_back(kept ? cluster.drawingId : 0);
        table.push_back(kept ? cluster.nextShape : 0);
    }
    const std::uint32_t firstSlide = FirstSlideDrawingId(m_design);
    while (table.size() < 2 * std::size_t{firstSlide - 1}) {
        table.push_back(0);
        table.push_back(0);
    }
    for (const CSlideRecords& slide : m_slides) {
        const CDrawingRecords& drawing = slide.Drawing();
        table.push_back(drawing.DrawingId());
        table.push_back(drawing.LastShapeId() - CDrawingRecords::ClusterBase(drawing.DrawingId()) +
                        1);
    }
    return table;
}

void CTemplateDocumentRecords::WriteDrawingGroup(CRecordWriter& writer) const
{
    std::uint32_t lastShapeId = 0;
    std::uint32_t shapeCount = 0;
    std::uint32_t drawingCount = 0;
    for (const TemplateMaster& master : m_design.masters) {
        lastShapeId = std::max(lastShapeId, master.lastShapeId);
        shapeCount += master.shapeCount;
        drawingCount += master.drawingId != 0 ? 1 : 0;
    }
    for (const CSlideRecords& slide : m_slides) {
        lastShapeId = std::max(lastShapeId, slide.Drawing().LastShapeId());
        shapeCount += slide.Drawing().ShapeCount();
        ++drawingCount;
    }
    const std::vector<std::uint32_t> clusters = ClusterTable();

    writer.BeginContainer(RecordType::DrawingGroup);
    writer.BeginContainer(RecordType::DggContainer);
    writer.BeginRecord(RecordType::Fdgg);
    writer.U32(lastShapeId + 1);
    writer.U32(static_cast<std::uint32_t>(clusters.size() / 2 + 1));
    writer.U32(shapeCount);
    writer.U32(drawingCount);
    for (std::uint32_t value : clusters)
        writer.U32(value);
    writer.EndRecord();
    writer.Bytes(m_design.drawingGroupExtras);
    writer.EndRecord();
    writer.EndRecord();
}

void CTemplateDocumentRecords::WriteMasterList(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::SlideListWithText, kSlideListMasters);
    for (std::size_t i = 0; i < m_design.masters.size(); ++i) {
        writer.BeginRecord(RecordType::SlidePersistAtom);
        writer.U32(m_firstMasterPersistId + static_cast<std::uint32_t>(i));
        writer.U32(0); // flags
        writer.U32(0); // masters keep their text in their shapes
        writer.U32(m_design.masters[i].masterId);
        writer.U32(0); // reserved
        writer.EndRecord();
    }
    writer.EndRecord();
}
