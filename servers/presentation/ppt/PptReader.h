// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"
#include "RecordReader.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A placeholder as a file stores it.
struct StoredPlaceholder
{
    std::uint32_t shapeId = 0;
    std::string name; // the stored name, if any
    std::uint8_t placement = 0;
    std::uint8_t size = 0;
    std::vector<TextParagraph> paragraphs; // levels 1..5; empty when no text
};

struct StoredSlide
{
    std::uint32_t slideId = 0;
    std::uint32_t geom = 0;
    std::uint32_t masterId = 0;
    std::vector<StoredPlaceholder> placeholders;
};

// Reads a presentation back the way PowerPoint finds its parts: Current User
// to the newest user edit, the persist directories of the edit chain to the
// containers, the slide list to the slides and their outline text. Good for
// checking what a writer produced and as the start of reading templates.
// Throws std::runtime_error on anything it cannot follow.
class CPptReader
{
public:
    CPptReader(std::vector<std::uint8_t> documentStream,
               const std::vector<std::uint8_t>& currentUserStream);

    const std::map<std::uint32_t, std::uint32_t>& PersistOffsets() const { return m_offsets; }
    std::uint32_t DocumentOffset() const { return m_documentOffset; }
    std::vector<StoredSlide> Slides() const;

    // Paragraphs of a text body from its characters and StyleTextPropAtom.
    static std::vector<TextParagraph> Paragraphs(const CRecordReader& reader,
                                                 const RecordNode* chars, const RecordNode* style);

private:
    void ReadEditChain(std::uint32_t userEditOffset);
    StoredSlide ReadSlide(const RecordNode& persist, const std::vector<RecordNode>& texts) const;
    StoredPlaceholder ReadPlaceholder(const RecordNode& shape,
                                      const std::vector<RecordNode>& texts) const;

    std::vector<std::uint8_t> m_document;
    CRecordReader m_reader;
    std::map<std::uint32_t, std::uint32_t> m_offsets;
    std::uint32_t m_documentOffset = 0;
};
