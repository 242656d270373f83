// SPDX-License-Identifier: MIT
#include "TextRecords.h"

#include "RecordWriter.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool IsPlainByte(unsigned char byte) noexcept
{
    return byte < 0x80 && byte != '\r' && byte != '\n' && byte != 0;
}

// Whether any of the eight bytes of word is byte (the classic test for a zero
// byte, applied to word with byte cleared out).
bool HasByte(std::uint64_t word, unsigned char byte) noexcept
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t cleared = word ^ (kOnes * byte);
    return ((cleared - kOnes) & ~cleared & kHighs) != 0;
}

// ASCII without line ends or NULs: the characters go over as they are. Every
// paragraph is looked at twice, so eight bytes are tested at a time.
bool IsPlainAscii(std::string_view text) noexcept
{
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if ((word & 0x8080808080808080u) != 0 || HasByte(word, 0) || HasByte(word, '\r') ||
            HasByte(word, '\n'))
            return false;
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                       [](char c) { return IsPlainByte(static_cast<unsigned char>(c)); });
}

// Appends a paragraph's characters to out. A paragraph may not hold a
// paragraph mark of its own; a stray line end in the model's text becomes a
// line break inside the paragraph, so the runs still match the paragraphs.
void AppendParagraphChars(const std::u16string& units, std::u16string& out)
{
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
            continue; // the \n that follows yields the one break
        if (unit == u'\r' || unit == u'\n')
            out.push_back(kLineBreak);
        else if (unit != 0)
            out.push_back(unit);
    }
}

// A paragraph's characters as stored. Plain ASCII text, nearly every
// paragraph of a note, is its own UTF-16 and needs no conversion on the way:
// null is returned, and the text goes over as it is.
const std::u16string* StoredChars(std::string_view text, std::u16string& scratch)
{
    if (IsPlainAscii(text))
        return nullptr;
    scratch.clear();
    AppendParagraphChars(Utf8ToUtf16(text), scratch);
    return &scratch;
}

} // namespace

CTextRecords::CTextRecords(TextType type, std::uint16_t index, const CParagraphs& paragraphs)
    : m_type(type), m_index(index), m_borrowed(&paragraphs)
{}

CTextRecords::CTextRecords(TextType type, std::uint16_t index, CParagraphs&& paragraphs)
    : m_type(type), m_index(index), m_borrowed(nullptr), m_owned(std::move(paragraphs))
{}

void CTextRecords::Write(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::TextHeaderAtom, 0, m_index);
    writer.U32(static_cast<std::uint32_t>(m_type));
    writer.EndRecord();
    const CParagraphs& paragraphs = Paragraphs();
    if (!HasText(paragraphs))
        return;

    std::u16string scratch;
    writer.BeginRecord(RecordType::TextCharsAtom);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (const std::u16string* chars = StoredChars(paragraphs[i].text, scratch))
            writer.Utf16(*chars);
        else
            writer.Ascii(paragraphs[i].text);
        if (i + 1 < paragraphs.size())
            writer.U16(kParagraphBreak);
    }
    writer.EndRecord();

    // Every run counts its paragraph mark; the last one's is implicit. The
    // rare paragraph that is not plain ASCII is converted a second time
    // rather than every paragraph's length kept.
    std::size_t total = 0;
    writer.BeginRecord(RecordType::StyleTextPropAtom);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const std::u16string* chars = StoredChars(paragraphs[i].text, scratch);
        const std::size_t count = (chars ? chars->size() : paragraphs[i].text.size()) + 1;
        total += count;
        writer.U32(static_cast<std::uint32_t>(count));
        writer.U16(StoredLevel(paragraphs[i].indentLevel));
        writer.U32(0); // no paragraph properties of its own
    }
    writer.U32(static_cast<std::uint32_t>(total));
    writer.U32(0); // no character properties of its own
    writer.EndRecord();
}
bool CTextRecords::HasText(const CParagraphs& paragraphs)
{
    return paragraphs.size() > 1 || (paragraphs.size() == 1 && !paragraphs[0].text.empty());
}

std::uint16_t CTextRecords::StoredLevel(int indentLevel)
{
    return static_cast<std::uint16_t>(std::clamp(indentLevel, 1, kMaxIndentLevels) - 1);
}
