// SPDX-License-Identifier: MIT
#include "PptReader.h"

#include "PptFormat.h"
#include "TextEncoding.h"

#include <optional>
#include <stdexcept>

namespace {

// Bytes that a paragraph exception's fields take, by mask, in field order.
std::size_t ParagraphFieldsSize(const CRecordReader& reader, std::size_t at, std::uint32_t masks)
{
    static constexpr struct
    {
        std::uint32_t mask;
        std::size_t size;
    } kFields[] = {{0x000F, 2}, {0x0080, 2}, {0x0010, 2}, {0x0040, 2}, {0x0020, 4}, {0x0800, 2},
                   {0x1000, 2}, {0x2000, 2}, {0x4000, 2}, {0x0100, 2}, {0x0400, 2}, {0x8000, 2}};
    std::size_t size = 0;
    for (const auto& field : kFields)
        size += (masks & field.mask) ? field.size : 0;
    if (masks & 0x100000)
        size += 2 + 4 * std::size_t{reader.U16(at + size)};
    if (masks & 0x10000)
        size += 2;
    if (masks & 0xE0000)
        size += 2;
    if (masks & 0x200000)
        size += 2;
    return size;
}

std::u16string TextOf(const CRecordReader& reader, const RecordNode& chars)
{
    std::u16string text;
    const bool wide = chars.type == RecordTypeValue(RecordType::TextCharsAtom);
    const std::size_t unit = wide ? 2 : 1;
    for (std::size_t i = 0; i + unit <= chars.length; i += unit) {
        const std::size_t at = chars.PayloadOffset() + i;
        text.push_back(static_cast<char16_t>(wide ? reader.U16(at) : reader.U8(at)));
    }
    return text;
}

} // namespace

CPptReader::CPptReader(std::vector<std::uint8_t> documentStream,
                       const std::vector<std::uint8_t>& currentUserStream)
    : m_document(std::move(documentStream)), m_reader(m_document)
{
    const CRecordReader user(currentUserStream);
    const RecordNode atom = user.ReadAt(0);
    if (atom.type != RecordTypeValue(RecordType::CurrentUserAtom) || atom.length < 20)
        throw std::runtime_error("Current User holds no CurrentUserAtom");
    if (user.U32(atom.PayloadOffset() + 4) != kHeaderTokenPlain)
        throw std::runtime_error("the document is encrypted or the header token is wrong");
    ReadEditChain(user.U32(atom.PayloadOffset() + 8));
}

// Newest edit first; an id already mapped by a newer edit keeps that offset.
void CPptReader::ReadEditChain(std::uint32_t userEditOffset)
{
    std::uint32_t documentId = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        const RecordNode edit = m_reader.ReadAt(userEditOffset);
        if (edit.type != RecordTypeValue(RecordType::UserEditAtom))
            throw std::runtime_error("no UserEditAtom at offset " + std::to_string(userEditOffset));
        const std::size_t payload = edit.PayloadOffset();
        if (documentId == 0)
            documentId = m_reader.U32(payload + 16);
        const RecordNode directory = m_reader.ReadAt(m_reader.U32(payload + 12));
        if (directory.type != RecordTypeValue(RecordType::PersistDirectoryAtom))
            throw std::runtime_error("the user edit points at no persist directory");
        std::size_t at = directory.PayloadOffset();
        while (at < directory.End()) {
            const std::uint32_t entry = m_reader.U32(at);
            const std::uint32_t first = entry & ((1u << kPersistIdBits) - 1);
            const std::uint32_t count = entry >> kPersistIdBits;
            for (std::uint32_t i = 0; i < count; ++i)
                m_offsets.emplace(first + i, m_reader.U32(at + 4 + 4 * std::size_t{i}));
            at += 4 + 4 * std::size_t{count};
        }
        const std::uint32_t previous = m_reader.U32(payload + 8);
        if (previous == 0)
            break;
        userEditOffset = previous;
    }
    const auto document = m_offsets.find(documentId);
    if (document == m_offsets.end())
        throw std::runtime_error("the persist directory does not locate the document");
    m_documentOffset = document->second;
}

std::vector<StoredSlide> CPptReader::Slides() const
{
    const RecordNode document = m_reader.ReadAt(m_documentOffset);
    if (document.type != RecordTypeValue(RecordType::Document))
        throw std::runtime_error("no Document container where the directory points");
    // The first slide list holds the masters, the second the slides.
    std::vector<const RecordNode*> lists;
    for (const RecordNode& child : document.children) {
        if (child.type == RecordTypeValue(RecordType::SlideListWithText))
            lists.push_back(&child);
    }
    std::vector<StoredSlide> slides;
    if (lists.size() < 2)
        return slides;
    const std::vector<RecordNode>& entries = lists[1]->children;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].type != RecordTypeValue(RecordType::SlidePersistAtom))
            continue;
        std::vector<RecordNode> texts;
        for (std::size_t j = i + 1;
             j < entries.size() && entries[j].type != RecordTypeValue(RecordType::SlidePersistAtom);
             ++j)
            texts.push_back(entries[j]);
        slides.push_back(ReadSlide(entries[i], texts));
    }
    return slides;
}

StoredSlide CPptReader::ReadSlide(const RecordNode& persist,
                                  const std::vector<RecordNode>& texts) const
{
    const std::uint32_t persistId = m_reader.U32(persist.PayloadOffset());
    const auto offset = m_offsets.find(persistId);
    if (offset == m_offsets.end())
        throw std::runtime_error("slide persist id " + std::to_string(persistId) + " is unknown");
    const RecordNode slide = m_reader.ReadAt(offset->second);
    const RecordNode* atom = slide.Child(RecordTypeValue(RecordType::SlideAtom));
    if (slide.type != RecordTypeValue(RecordType::Slide) || !atom)
        throw std::runtime_error("no slide where persist id " + std::to_string(persistId) +
                                 " points");
    StoredSlide stored;
    stored.slideId = m_reader.U32(persist.PayloadOffset() + 12);
    stored.geom = m_reader.U32(atom->PayloadOffset());
    stored.masterId = m_reader.U32(atom->PayloadOffset() + 12);
    const RecordNode* drawing = slide.Child(RecordTypeValue(RecordType::Drawing));
    const RecordNode* dg =
        drawing ? drawing->Child(RecordTypeValue(RecordType::DgContainer)) : nullptr;
    const RecordNode* group = dg ? dg->Child(RecordTypeValue(RecordType::SpgrContainer)) : nullptr;
    if (!group)
        return stored;
    for (const RecordNode& shape : group->children) {
        const RecordNode* data = shape.Child(RecordTypeValue(RecordType::ClientData));
        if (data && data->Child(RecordTypeValue(RecordType::PlaceholderAtom)))
            stored.placeholders.push_back(ReadPlaceholder(shape, texts));
    }
    return stored;
}

namespace {

std::string ShapeName(const CRecordReader& reader, const RecordNode& fopt)
{
    const std::size_t table = fopt.PayloadOffset();
    std::size_t complex = table + 6 * std::size_t{fopt.instance};
    for (std::size_t i = 0; i < fopt.instance; ++i) {
        const std::uint16_t id = reader.U16(table + 6 * i);
        const std::uint32_t value = reader.U32(table + 6 * i + 2);
        if ((id & kComplexProperty) == 0)
            continue;
        if ((id & 0x3FFF) == static_cast<std::uint16_t>(ShapeProperty::Name)) {
            std::u16string name;
            for (std::size_t at = complex; at + 2 <= complex + value && at < fopt.End(); at += 2) {
                const char16_t unit = static_cast<char16_t>(reader.U16(at));
                if (unit == 0)
                    break;
                name.push_back(unit);
            }
            return Utf16ToUtf8(name);
        }
        complex += value;
    }
    return {};
}

// The text body that starts with the TextHeaderAtom at begin: its characters
// and style atoms up to the next header.
std::vector<TextParagraph> BodyAt(const CRecordReader& reader, const std::vector<RecordNode>& nodes,
                                  std::size_t begin)
{
    const RecordNode* chars = nullptr;
    const RecordNode* style = nullptr;
    for (std::size_t i = begin + 1;
         i < nodes.size() && nodes[i].type != RecordTypeValue(RecordType::TextHeaderAtom); ++i) {
        if (nodes[i].type == RecordTypeValue(RecordType::TextCharsAtom) ||
            nodes[i].type == RecordTypeValue(RecordType::TextBytesAtom))
            chars = &nodes[i];
        else if (nodes[i].type == RecordTypeValue(RecordType::StyleTextPropAtom))
            style = &nodes[i];
    }
    return CPptReader::Paragraphs(reader, chars, style);
}

std::vector<TextParagraph> FindBody(const CRecordReader& reader,
                                    const std::vector<RecordNode>& nodes,
                                    std::optional<std::uint32_t> index)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].type == RecordTypeValue(RecordType::TextHeaderAtom) &&
            (!index || nodes[i].instance == *index))
            return BodyAt(reader, nodes, i);
    }
    return {};
}

} // namespace

StoredPlaceholder CPptReader::ReadPlaceholder(const RecordNode& shape,
                                              const std::vector<RecordNode>& texts) const
{
    StoredPlaceholder stored;
    if (const RecordNode* fsp = shape.Child(RecordTypeValue(RecordType::Fsp)))
        stored.shapeId = m_reader.U32(fsp->PayloadOffset());
    if (const RecordNode* fopt = shape.Child(RecordTypeValue(RecordType::Fopt)))
        stored.name = ShapeName(m_reader, *fopt);
    const RecordNode* atom = shape.Child(RecordTypeValue(RecordType::ClientData))
                                 ->Child(RecordTypeValue(RecordType::PlaceholderAtom));
    stored.placement = m_reader.U8(atom->PayloadOffset() + 4);
    stored.size = m_reader.U8(atom->PayloadOffset() + 5);
    const RecordNode* textbox = shape.Child(RecordTypeValue(RecordType::ClientTextbox));
    if (!textbox)
        return stored;
    if (const RecordNode* ref = textbox->Child(RecordTypeValue(RecordType::OutlineTextRefAtom)))
        stored.paragraphs = FindBody(m_reader, texts, m_reader.U32(ref->PayloadOffset()));
    else
        stored.paragraphs = FindBody(m_reader, textbox->children, std::nullopt);
    return stored;
}

std::vector<TextParagraph> CPptReader::Paragraphs(const CRecordReader& reader,
                                                  const RecordNode* chars, const RecordNode* style)
{
    const std::u16string text = chars ? TextOf(reader, *chars) : std::u16string();
    // Level of each character position, from the paragraph runs.
    std::vector<int> levels(text.size() + 1, 1);
    if (style) {
        std::size_t at = style->PayloadOffset();
        std::size_t covered = 0;
        while (covered < levels.size() && at + 10 <= style->End()) {
            const std::uint32_t count = reader.U32(at);
            const int level = reader.U16(at + 4) + 1;
            const std::uint32_t masks = reader.U32(at + 6);
            at += 10 + ParagraphFieldsSize(reader, at + 10, masks);
            for (std::size_t i = covered; i < covered + count && i < levels.size(); ++i)
                levels[i] = level;
            covered += count;
        }
    }
    std::vector<TextParagraph> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == kParagraphBreak) {
            paragraphs.push_back({Utf16ToUtf8(text.substr(start, i - start)), levels[start]});
            start = i + 1;
        }
    }
    return paragraphs;
}
