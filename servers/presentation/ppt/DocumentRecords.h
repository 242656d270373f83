// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"

#include <cstdint>
#include <vector>

class CDrawingRecords;
class CMasterRecords;
class CRecordWriter;
class CSlideRecords;

// The document container: page sizes, the text environment, the drawing
// group that accounts for every shape id, the master list and the slide list
// with the slides' text.
class CDocumentRecords
{
public:
    struct MasterEntry
    {
        const CMasterRecords* master;
        std::uint32_t persistId;
        std::uint32_t masterId;
    };

    CDocumentRecords(MasterEntry master, const std::vector<CSlideRecords>& slides,
                     const DesignDescription& design = {});

    void Write(CRecordWriter& writer) const;

private:
    void WriteDocumentAtom(CRecordWriter& writer) const;
    void WriteDrawingGroup(CRecordWriter& writer) const;
    void WriteMasterList(CRecordWriter& writer) const;
    void WriteSlideList(CRecordWriter& writer) const;

    MasterEntry m_master;
    const std::vector<CSlideRecords>& m_slides;
    const DesignDescription& m_design;
    std::vector<const CDrawingRecords*> m_drawings;
};

// The document-wide header and footer settings of the slides, all off; they
// follow the master list in every document we write.
void WriteSlideHeadersFooters(CRecordWriter& writer);

// The document's view settings (its DocInfoList), as PowerPoint writes them.
void WriteDocInfoList(CRecordWriter& writer);
