// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

class CRecordWriter;
class CSlideRecords;
struct TemplateDesign;

// The document container of a presentation built around a template's
// design: the template's page size, text environment, pictures and masters,
// with a cluster table that keeps the masters' shape ids and gives every new
// slide a cluster of its own.
class CTemplateDocumentRecords
{
public:
    // Masters take persist ids firstMasterPersistId, +1, ... in the
    // template's order.
    CTemplateDocumentRecords(const TemplateDesign& design, std::uint32_t firstMasterPersistId,
                             const std::vector<CSlideRecords>& slides);

    void Write(CRecordWriter& writer) const;

    // The first drawing id free for slides: above every master's drawing and
    // every cluster the template numbered, so drawing k owns cluster k.
    static std::uint32_t FirstSlideDrawingId(const TemplateDesign& design);

private:
    void WriteDocumentAtom(CRecordWriter& writer) const;
    void WriteDrawingGroup(CRecordWriter& writer) const;
    void WriteMasterList(CRecordWriter& writer) const;
    std::vector<std::uint32_t> ClusterTable() const;

    const TemplateDesign& m_design;
    std::uint32_t m_firstMasterPersistId;
    const std::vector<CSlideRecords>& m_slides;
};
