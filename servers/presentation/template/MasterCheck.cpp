// SPDX-License-Identifier: MIT
#include "MasterCheck.h"

#include "PptFormat.h"

#include <array>

namespace {

constexpr std::size_t kSlideAtomLength = 24;
constexpr std::size_t kColorSchemeLength = 32;
constexpr std::size_t kFdgLength = 8;

// Text styles a main master defines for its own placeholders; every
// PowerPoint file holds all of them, and readers look each one up.
constexpr std::array<TextType, 7> kMasterTextTypes = {
    TextType::Title,       TextType::Body,     TextType::Notes,      TextType::CenterBody,
    TextType::CenterTitle, TextType::HalfBody, TextType::QuarterBody};

bool HasChild(const RecordNode& parent, RecordType type, std::uint16_t instance)
{
    for (const RecordNode& child : parent.children) {
        if (child.type == RecordTypeValue(type) && child.instance == instance)
            return true;
    }
    return false;
}

std::optional<std::string> DrawingOf(const RecordNode& master)
{
    const RecordNode* drawing = master.Child(RecordTypeValue(RecordType::Drawing));
    const RecordNode* dg =
        drawing ? drawing->Child(RecordTypeValue(RecordType::DgContainer)) : nullptr;
    if (!dg)
        return "has no drawing";
    const RecordNode* fdg = dg->Child(RecordTypeValue(RecordType::Fdg));
    if (!fdg || fdg->length < kFdgLength)
        return "has no drawing record";
    const RecordNode* group = dg->Child(RecordTypeValue(RecordType::SpgrContainer));
    if (!group || group->children.empty())
        return "has no shapes";
    return std::nullopt;
}

// Shape property tables: six bytes a property, then the data of the complex
// ones, which must lie within the record.
bool PropertiesFit(const CRecordReader& reader, const RecordNode& node)
{
    constexpr std::uint16_t kFopt = 0xF00B;
    constexpr std::uint16_t kSecondaryFopt = 0xF121;
    constexpr std::uint16_t kTertiaryFopt = 0xF122;
    constexpr std::uint16_t kComplex = 0x8000;
    if (node.type == kFopt || node.type == kSecondaryFopt || node.type == kTertiaryFopt) {
        const std::uint64_t table = 6 * std::uint64_t{node.instance};
        if (table > node.length)
            return false;
        std::uint64_t complex = 0;
        for (std::size_t i = 0; i < node.instance; ++i) {
            const std::size_t at = node.PayloadOffset() + 6 * i;
            if (reader.U16(at) & kComplex)
                complex += reader.U32(at + 2);
        }
        return complex <= node.length - table;
    }
    for (const RecordNode& child : node.children) {
        if (!PropertiesFit(reader, child))
            return false;
    }
    return true;
}

} // namespace

namespace MasterCheck {

std::optional<std::string> Master(const CRecordReader& reader, const RecordNode& master, bool main)
{
    const RecordNode* atom = master.Child(RecordTypeValue(RecordType::SlideAtom));
    if (!atom || atom->length < kSlideAtomLength)
        return "has no slide atom";
    const RecordNode* scheme = nullptr;
    for (const RecordNode& child : master.children) {
        if (child.type == RecordTypeValue(RecordType::ColorSchemeAtom) &&
            child.instance == kSchemeCurrent)
            scheme = &child;
    }
    if (!scheme || scheme->length < kColorSchemeLength)
        return "has no colour scheme";
    if (main) {
        for (TextType type : kMasterTextTypes) {
            if (!HasChild(master, RecordType::TextMasterStyleAtom,
                          static_cast<std::uint16_t>(type)))
                return "lacks a text style";
        }
    }
    if (auto missing = DrawingOf(master))
        return missing;
    if (!PropertiesFit(reader, master))
        return "has shape properties longer than their record";
    return std::nullopt;
}

std::optional<std::string> Environment(const RecordNode* environment)
{
    if (!environment)
        return "has no text environment";
    const RecordNode* fonts = environment->Child(RecordTypeValue(RecordType::FontCollection));
    if (!fonts || !fonts->Child(RecordTypeValue(RecordType::FontEntityAtom)))
        return "has no fonts";
    if (!HasChild(*environment, RecordType::TextMasterStyleAtom,
                  static_cast<std::uint16_t>(TextType::Other)))
        return "lacks the style of other text";
    return std::nullopt;
}

} // namespace MasterCheck
