// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"
#include "DrawingRecords.h"
#include "TextRecords.h"

#include <cstdint>

class CRecordWriter;

// The slide master of the default design: the text styles of every
// placeholder type, the title and body placeholders with their prompt text,
// the background and the colour scheme.
class CMasterRecords
{
public:
    explicit CMasterRecords(std::uint32_t drawingId, const DesignDescription& design = {});
    // The drawing points into the prompt texts, so the object stays put.
    CMasterRecords(const CMasterRecords&) = delete;
    CMasterRecords& operator=(const CMasterRecords&) = delete;

    void Write(CRecordWriter& writer) const;

    std::uint32_t TitleShapeId() const;
    std::uint32_t BodyShapeId() const;
    const CDrawingRecords& Drawing() const { return m_drawing; }

private:
    std::uint32_t m_drawingId;
    DesignDescription m_design;
    CTextRecords m_titlePrompt;
    CTextRecords m_bodyPrompt;
    CDrawingRecords m_drawing;
};
