// SPDX-License-Identifier: MIT
#include "TextRecords.h"

#include "RecordWriter.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {

// ASCII without line ends or NULs: the characters go over as they are.
bool IsPlainAscii(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x80 && byte != '\r' && byte != '\n' && byte != 0;
    });
}

// Appends a paragraph's characters to out. A paragraph may not hold a
// paragraph mark of its own; a stray line end in the model's text becomes a
// line break inside the paragraph, so the runs still match the paragraphs.
// Returns how many characters were appended.
std::size_t AppendParagraphChars(const std::u16string& units, std::u16string& out)
{
    const std::size_t before = out.size();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
            continue; // the \n that follows yields the one break
        if (unit == u'\r' || unit == u'\n')
            out.push_back(kLineBreak);
        else if (unit != 0)
            out.push_back(unit);
    }
    return out.size() - before;
}

// Plain ASCII text, nearly every paragraph of a note, is its own UTF-16 and
// needs no conversion on the way.
std::size_t AppendParagraphChars(const std::string& text, std::u16string& out)
{
    if (IsPlainAscii(text)) {
        out.append(text.begin(), text.end());
        return text.size();
    }
    return AppendParagraphChars(Utf8ToUtf16(text), out);
}

} // namespace

CTextRecords::CTextRecords(TextType type, std::uint16_t index,
                           const std::vector<TextParagraph>& paragraphs)
    : m_type(type), m_index(index), m_empty(!HasText(paragraphs))
{
    if (m_empty)
        return;
    std::size_t bytes = 0;
    for (const TextParagraph& paragraph : paragraphs)
        bytes += paragraph.text.size() + 1;
    m_chars.reserve(bytes);
    m_runs.reserve(paragraphs.size());
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const std::size_t count = AppendParagraphChars(paragraphs[i].text, m_chars);
        if (i + 1 < paragraphs.size())
            m_chars.push_back(kParagraphBreak);
        // Every run counts its paragraph mark; the last one's is implicit.
        m_runs.push_back(
            {static_cast<std::uint32_t>(count + 1), StoredLevel(paragraphs[i].indentLevel)});
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
