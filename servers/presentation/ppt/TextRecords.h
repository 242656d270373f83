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
class CTextRecords
{
public:
    // index numbers the texts of one slide in its slide-list entry; shapes
    // refer to their text by it.
    CTextRecords(TextType type, std::uint16_t index, const std::vector<TextParagraph>& paragraphs);

    void Write(CRecordWriter& writer) const;

    // A placeholder with a single empty paragraph keeps only its header: that
    // is how PowerPoint stores an untouched placeholder's outline entry.
    static bool HasText(const std::vector<TextParagraph>& paragraphs);
    // The document model counts levels 1..5 (0 meaning the top level); the
    // file counts 0..4.
    static std::uint16_t StoredLevel(int indentLevel);

private:
    struct ParagraphRun
    {
        std::uint32_t count;
        std::uint16_t level;
    };

    TextType m_type;
    std::uint16_t m_index;
    bool m_empty;
    std::u16string m_chars;
    std::vector<ParagraphRun> m_runs;
};
