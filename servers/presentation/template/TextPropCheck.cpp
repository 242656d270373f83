// SPDX-License-Identifier: MIT
#include "TextPropCheck.h"

#include "PptFormat.h"

#include <optional>

namespace {

constexpr std::uint16_t kMaxIndentLevel = 4;
constexpr std::uint16_t kMaxLevels = 5;
constexpr std::uint16_t kLastTextType = static_cast<std::uint16_t>(TextType::QuarterBody);

struct Field
{
    std::uint32_t mask;
    std::size_t size;
};

// Paragraph exception fields in file order, with the masks that bring them.
constexpr Field kParagraphFields[] = {
    {0x000F, 2},
    {0x0080, 2},
    {0x0010, 2},
    {0x0040, 2},
    {0x0020, 4},
    {0x0800, 2},
    {0x1000, 2},
    {0x2000, 2},
    {0x4000, 2},
    {0x0100, 2},
    {0x0400, 2},
    {0x8000, 2},
    // tab stops (0x100000) are counted apart: their size is stored
    {0x10000, 2},
    {0xE0000, 2},
    {0x200000, 2}};

// Character exception fields in file order.
constexpr Field kCharacterFields[] = {
    {0x3EB7, 2},  {0x10000, 2}, {0x200000, 2}, {0x400000, 2},  {0x800000, 2},  {0x20000, 2},
    {0x40000, 4}, {0x80000, 2}, {0x100000, 4}, {0x1000000, 2}, {0x2000000, 2}, {0x4000000, 4}};

constexpr std::uint32_t kTabStops = 0x100000;

// Where the exception that starts at at ends, or nothing when it overruns end.
std::optional<std::size_t> SkipParagraph(const CRecordReader& reader, std::size_t at,
                                         std::size_t end)
{
    if (end - at < 4)
        return std::nullopt;
    const std::uint32_t masks = reader.U32(at);
    at += 4;
    for (const Field& field : kParagraphFields) {
        if (field.mask == 0x10000 && (masks & kTabStops)) {
            if (end - at < 2)
                return std::nullopt;
            at += 2 + 4 * std::size_t{reader.U16(at)};
        }
        if (masks & field.mask)
            at += field.size;
        if (at > end)
            return std::nullopt;
    }
    return at;
}

std::optional<std::size_t> SkipCharacter(const CRecordReader& reader, std::size_t at,
                                         std::size_t end)
{
    if (end - at < 4)
        return std::nullopt;
    const std::uint32_t masks = reader.U32(at);
    at += 4;
    for (const Field& field : kCharacterFields) {
        at += (masks & field.mask) ? field.size : 0;
        if (at > end)
            return std::nullopt;
    }
    return at;
}

std::size_t CharacterCount(const RecordNode& chars)
{
    return chars.type == RecordTypeValue(RecordType::TextCharsAtom) ? chars.length / 2
                                                                    : chars.length;
}

// Paragraph runs then character runs, each covering the text and its final
// paragraph mark, filling the record exactly.
bool StyleRunsWhole(const CRecordReader& reader, const RecordNode& style, std::size_t characters)
{
    std::size_t at = style.PayloadOffset();
    const std::size_t end = style.End();
    for (std::size_t covered = 0; covered < characters + 1;) {
        if (end - at < 6)
            return false;
        const std::uint32_t count = reader.U32(at);
        if (count == 0 || reader.U16(at + 4) > kMaxIndentLevel)
            return false;
        covered += count;
        const auto next = SkipParagraph(reader, at + 6, end);
        if (!next)
            return false;
        at = *next;
    }
    for (std::size_t covered = 0; covered < characters + 1;) {
        if (end - at < 4)
            return false;
        const std::uint32_t count = reader.U32(at);
        if (count == 0)
            return false;
        covered += count;
        const auto next = SkipCharacter(reader, at + 4, end);
        if (!next)
            return false;
        at = *next;
    }
    return at == end;
}

// A text box's records: its header names a known text type, and its style
// runs match its characters.
bool TextboxWhole(const CRecordReader& reader, const RecordNode& box)
{
    const RecordNode* chars = nullptr;
    for (const RecordNode& child : box.children) {
        if (child.type == RecordTypeValue(RecordType::TextHeaderAtom) &&
            (child.length < 4 || reader.U32(child.PayloadOffset()) > kLastTextType))
            return false;
        if (child.type == RecordTypeValue(RecordType::TextCharsAtom) ||
            child.type == RecordTypeValue(RecordType::TextBytesAtom))
            chars = &child;
        if (child.type == RecordTypeValue(RecordType::StyleTextPropAtom) &&
            !StyleRunsWhole(reader, child, chars ? CharacterCount(*chars) : 0))
            return false;
    }
    return true;
}

} // namespace

namespace TextPropCheck {

bool MasterStyleWhole(const CRecordReader& reader, const RecordNode& style)
{
    std::size_t at = style.PayloadOffset();
    const std::size_t end = style.End();
    if (style.instance > kLastTextType || end - at < 2)
        return false;
    const std::uint16_t levels = reader.U16(at);
    at += 2;
    if (levels == 0 || levels > kMaxLevels)
        return false;
    for (std::uint16_t i = 0; i < levels; ++i) {
        if (style.instance >= kFirstLevelNumberedTextType) {
            if (end - at < 2 || reader.U16(at) > kMaxIndentLevel)
                return false;
            at += 2;
        }
        const auto paragraph = SkipParagraph(reader, at, end);
        const auto character = paragraph ? SkipCharacter(reader, *paragraph, end) : std::nullopt;
        if (!character)
            return false;
        at = *character;
    }
    return at == end;
}

bool TextWhole(const CRecordReader& reader, const RecordNode& node)
{
    if (node.type == RecordTypeValue(RecordType::ClientTextbox) && !TextboxWhole(reader, node))
        return false;
    if (node.type == RecordTypeValue(RecordType::TextMasterStyleAtom) &&
        !MasterStyleWhole(reader, node))
        return false;
    for (const RecordNode& child : node.children) {
        if (!TextWhole(reader, child))
            return false;
    }
    return true;
}

} // namespace TextPropCheck
