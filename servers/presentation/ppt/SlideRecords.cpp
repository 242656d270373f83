// SPDX-License-Identifier: MIT
#include "SlideRecords.h"

#include "RecordWriter.h"
#include "TextEncoding.h"

#include <charconv>
#include <set>
#include <string_view>

namespace {

struct PlaceholderRole
{
    PlacementId placement;
    TextType textType;
    ShapeAnchor anchor;
    std::uint8_t size;
    bool isTitle;
};

SlideGeom GeomFor(int layout)
{
    switch (layout) {
    case 1:
        return SlideGeom::TitleSlide;
    case 3:
        return SlideGeom::TwoColumns;
    default:
        return SlideGeom::TitleBody;
    }
}

// bodyIndex counts the body placeholders seen before this one on the slide.
PlaceholderRole RoleFor(PlaceholderKind kind, SlideGeom geom, int bodyIndex,
                        const SlideDesign& design)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
        return {PlacementId::CenterTitle, TextType::CenterTitle, design.centerTitle,
                kPlaceholderFull, true};
    case PlaceholderKind::Subtitle:
        return {PlacementId::SubTitle, TextType::CenterBody, design.subtitle, kPlaceholderFull,
                false};
    case PlaceholderKind::Title:
        return {PlacementId::Title, TextType::Title, design.title, kPlaceholderFull, true};
    case PlaceholderKind::Body:
        break;
    }
    if (geom != SlideGeom::TwoColumns)
        return {PlacementId::Body, TextType::Body, design.body, kPlaceholderFull, false};
    return {PlacementId::Body, TextType::HalfBody,
            bodyIndex == 0 ? design.leftColumn : design.rightColumn, kPlaceholderHalf, false};
}

// "Rectangle 3" names the shape whose id is 3 within its drawing's cluster.
std::uint32_t NameNumber(const std::string& name)
{
    constexpr std::string_view kPrefix = "Rectangle ";
    if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0)
        return 0;
    std::uint32_t number = 0;
    const char* first = name.data() + kPrefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || number < 2 || number >= kShapesPerCluster)
        return 0;
    return number;
}

// Each shape's id within its cluster: the number its name asks for when that
// is free, else the lowest free number from 2 on.
std::vector<std::uint32_t> ShapeNumbers(const std::vector<Placeholder>& placeholders)
{
    std::vector<std::uint32_t> numbers(placeholders.size(), 0);
    std::set<std::uint32_t> taken;
    for (std::size_t i = 0; i < placeholders.size(); ++i) {
        const std::uint32_t number = NameNumber(placeholders[i].name);
        if (number != 0 && taken.insert(number).second)
            numbers[i] = number;
    }
    std::uint32_t next = 2;
    for (std::uint32_t& number : numbers) {
        if (number != 0)
            continue;
        while (taken.count(next) != 0)
            ++next;
        number = next;
        taken.insert(next);
    }
    return numbers;
}

} // namespace

CSlideRecords::CSlideRecords(const SlideData& slide, const SlidePlacement& placement)
    : m_placement(placement), m_design(placement.design ? *placement.design : SlideDesign{}),
      m_geom(GeomFor(slide.layout)), m_drawing(placement.drawingId, BuildShapes(slide))
{}

std::vector<PlaceholderShape> CSlideRecords::BuildShapes(const SlideData& slide)
{
    const std::uint32_t base = CDrawingRecords::ClusterBase(m_placement.drawingId);
    const std::vector<std::uint32_t> numbers = ShapeNumbers(slide.placeholders);
    m_texts.reserve(slide.placeholders.size());

    std::vector<PlaceholderShape> shapes;
    int bodyIndex = 0;
    for (std::size_t i = 0; i < slide.placeholders.size(); ++i) {
        const Placeholder& placeholder = slide.placeholders[i];
        const PlaceholderRole role = RoleFor(placeholder.kind, m_geom, bodyIndex, m_design);
        bodyIndex += role.placement == PlacementId::Body ? 1 : 0;

        PlaceholderShape shape;
        shape.shapeId = base + numbers[i];
        shape.position = static_cast<std::int32_t>(i);
        shape.placement = role.placement;
        shape.size = role.size;
        shape.anchor = role.anchor;
        shape.anchorMiddle = role.isTitle;
        shape.masterShapeId =
            role.isTitle ? m_placement.masterTitleShapeId : m_placement.masterBodyShapeId;
        shape.name = Utf8ToUtf16(placeholder.name);
        // Every text placeholder has its outline entry, empty ones too, so
        // the n-th entry of the slide list is the n-th placeholder's.
        const auto index = static_cast<std::uint16_t>(m_texts.size());
        m_texts.emplace_back(role.textType, index, placeholder.paragraphs);
        shape.outlineTextIndex = index;
        if (i < kPlaceholderTypeSlots)
            m_types[i] = role.placement;
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

void CSlideRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Slide);
    WriteSlideAtom(writer, m_geom, m_types, m_placement.masterId, kFollowMasterAll);
    m_drawing.Write(writer);
    WriteColorScheme(writer, kSchemeCurrent, m_design.colorScheme);
    writer.EndRecord();
}

void CSlideRecords::WriteListEntry(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::SlidePersistAtom);
    writer.U32(m_placement.persistId);
    writer.U32(0); // flags
    writer.U32(static_cast<std::uint32_t>(m_texts.size()));
    writer.U32(m_placement.slideId);
    writer.U32(0); // reserved
    writer.EndRecord();
    for (const CTextRecords& text : m_texts)
        text.Write(writer);
}

void CSlideRecords::WriteSlideAtom(CRecordWriter& writer, SlideGeom geom,
                                   const std::array<PlacementId, kPlaceholderTypeSlots>& types,
                                   std::uint32_t masterId, std::uint16_t flags)
{
    writer.BeginRecord(RecordType::SlideAtom, kSlideAtomVersion);
    writer.U32(static_cast<std::uint32_t>(geom));
    for (PlacementId type : types)
        writer.U8(static_cast<std::uint8_t>(type));
    writer.U32(masterId);
    writer.U32(0); // no notes page
    writer.U16(flags);
    writer.U16(0);
    writer.EndRecord();
}

void CSlideRecords::WriteColorScheme(CRecordWriter& writer, std::uint16_t instance,
                                     const std::array<std::uint32_t, 8>& scheme)
{
    writer.BeginRecord(RecordType::ColorSchemeAtom, 0, instance);
    for (std::uint32_t rgb : scheme) {
        writer.U8(static_cast<std::uint8_t>(rgb >> 16));
        writer.U8(static_cast<std::uint8_t>(rgb >> 8));
        writer.U8(static_cast<std::uint8_t>(rgb));
        writer.U8(0);
    }
    writer.EndRecord();
}
