#include "TextRecords.h"

#include "RecordWriter.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {

// A paragraph may not hold a paragraph mark of its own; a stray line end in
// the model's text becomes a line break inside the paragraph, so the runs
// still match the paragraphs.
std::u16string ParagraphChars(const std::string& text)
{
    const std::u16string units = Utf8ToUtf16(text);
    std::u16string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
            continue; // the \n that follows yields the one break
        if (unit == u'\r' || unit == u'\n')
            out.push_back(kLineBreak);
        else if (unit != 0)
            out.push_back(unit);
    }
    return out;
}

} // namespace

CTextRecords::CTextRecords(TextType type, std::uint16_t index,
                           const std::vector<TextParagraph>& paragraphs)
    : m_type(type), m_index(index), m_empty(!HasText(paragraphs))
{
    if (m_empty)
        return;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const std::u16string chars = ParagraphChars(paragraphs[i].text);
        m_chars += chars;
        if (i + 1 < paragraphs.size())
            m_chars.push_back(kParagraphBreak);
        // Every run counts its paragraph mark; the last one's is implicit.
        m_runs.push_back(
            {static_cast<std::uint32_t>(chars.size() + 1), StoredLevel(paragraphs[i].indentLevel)});
    }
}

void CTextRecords::Write(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::TextHeaderAtom, 0, m_index);
    writer.U32(static_cast<std::uint32_t>(m_type));
    writer.EndRecord();
    if (m_empty)
        return;

    writer.BeginRecord(RecordType::TextCharsAtom);
    writer.Utf16(m_chars);
    writer.EndRecord();

    writer.BeginRecord(RecordType::StyleTextPropAtom);
    for (const ParagraphRun& run : m_runs) {
        writer.U32(run.count);
        writer.U16(run.level);
        writer.U32(0); // no paragraph properties of its own
    }
    writer.U32(static_cast<std::uint32_t>(m_chars.size() + 1));
    writer.U32(0); // no character properties of its own
    writer.EndRecord();
}

bool CTextRecords::HasText(const std::vector<TextParagraph>& paragraphs)
{
    return paragraphs.size() > 1 || (paragraphs.size() == 1 && !paragraphs[0].text.empty());
}

std::uint16_t CTextRecords::StoredLevel(int indentLevel)
{
    return static_cast<std::uint16_t>(std::clamp(indentLevel, 1, kMaxIndentLevels) - 1);
}
