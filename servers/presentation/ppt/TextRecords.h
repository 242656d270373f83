// SPDX-License-Identifier: MIT
#pragma once

#include "PptFormat.h"
#include "PresentationDocument.h"

#include <cstdint>
#include <string>
#include <vector>

class CRecordWriter;

// One text body as PowerPoint stores it: a TextHeaderAtom, the characters as
// UTF-16 with paragraph marks between paragraphs, and a StyleTextPropAtom that
// carries each paragraph's indent level. Formatting comes from the master, so
// the property runs carry levels only.
//
// The text is read where it is when the records are written, not copied
// into UTF-16 beforehand: a presentation's records are all made before the
// first is written, and a copy would hold every text twice meanwhile.
class CTextRecords
{
public:
    // index numbers the texts of one slide in its slide-list entry; shapes
    // refer to their text by it. The paragraphs must outlive Write.
    CTextRecords(TextType type, std::uint16_t index, const CParagraphs& paragraphs);
    // Keeps paragraphs of its own (the master's prompts).
    CTextRecords(TextType type, std::uint16_t index, CParagraphs&& paragraphs);

    void Write(CRecordWriter& writer) const;

    // A placeholder with a single empty paragraph keeps only its header: that
    // is how PowerPoint stores an untouched placeholder's outline entry.
    static bool HasText(const CParagraphs& paragraphs);
    // The document model counts levels 1..5 (0 meaning the top level); the
    // file counts 0..4.
    static std::uint16_t StoredLevel(int indentLevel);

private:
    const CParagraphs& Paragraphs() const { return m_borrowed ? *m_borrowed : m_owned; }

    TextType m_type;
    std::uint16_t m_index;
    const CParagraphs* m_borrowed; // null: the paragraphs are owned
    CParagraphs m_owned;
};
