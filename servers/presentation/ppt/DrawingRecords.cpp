// SPDX-License-Identifier: MIT
#include "DrawingRecords.h"

#include "RecordWriter.h"
#include "TextRecords.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr std::uint32_t kBackgroundOffset = 1;

struct Property
{
    ShapeProperty id;
    std::uint32_t value;
};

// Writes a property table sorted by id (sorting properties in place), with an
// optional shape name as the one complex property (its bytes follow the
// table). The tables are a few entries on the stack: every shape has one.
void WriteProperties(CRecordWriter& writer, std::span<Property> properties,
                     const std::u16string& name)
{
    std::sort(properties.begin(), properties.end(),
              [](const Property& a, const Property& b) { return a.id < b.id; });
    const std::size_t count = properties.size() + (name.empty() ? 0 : 1);
    writer.BeginRecord(RecordType::Fopt, kFoptVersion, static_cast<std::uint16_t>(count));
    for (const Property& property : properties) {
        writer.U16(static_cast<std::uint16_t>(property.id));
        writer.U32(property.value);
    }
    if (!name.empty()) {
        writer.U16(static_cast<std::uint16_t>(ShapeProperty::Name) | kComplexProperty);
        writer.U32(static_cast<std::uint32_t>(2 * (name.size() + 1)));
        writer.Utf16(name);
        writer.U16(0);
    }
    writer.EndRecord();
}

void WriteShapeAtom(CRecordWriter& writer, std::uint16_t shapeType, std::uint32_t shapeId,
                    std::uint32_t flags)
{
    writer.BeginRecord(RecordType::Fsp, kFspVersion, shapeType);
    writer.U32(shapeId);
    writer.U32(flags);
    writer.EndRecord();
}

void WriteAnchor(CRecordWriter& writer, const ShapeAnchor& anchor)
{
    writer.BeginRecord(RecordType::ClientAnchor);
    writer.I16(anchor.top);
    writer.I16(anchor.left);
    writer.I16(anchor.right);
    writer.I16(anchor.bottom);
    writer.EndRecord();
}

} // namespace

CDrawingRecords::CDrawingRecords(std::uint32_t drawingId, std::vector<PlaceholderShape> shapes)
    : m_drawingId(drawingId), m_shapes(std::move(shapes))
{}

std::uint32_t CDrawingRecords::ClusterBase(std::uint32_t drawingId)
{
    return kShapesPerCluster * drawingId;
}

std::uint32_t CDrawingRecords::ShapeCount() const
{
    return static_cast<std::uint32_t>(m_shapes.size()) + 2; // with group and background
}

std::uint32_t CDrawingRecords::LastShapeId() const
{
    std::uint32_t last = ClusterBase(m_drawingId) + kBackgroundOffset;
    for (const PlaceholderShape& shape : m_shapes)
        last = std::max(last, shape.shapeId);
    return last;
}

void CDrawingRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Drawing);
    writer.BeginContainer(RecordType::DgContainer);
    writer.BeginRecord(RecordType::Fdg, 0, static_cast<std::uint16_t>(m_drawingId & 0xFFF));
    writer.U32(ShapeCount());
    writer.U32(LastShapeId());
    writer.EndRecord();
    writer.BeginContainer(RecordType::SpgrContainer);
    WriteGroupShape(writer);
    for (const PlaceholderShape& shape : m_shapes)
        WritePlaceholder(writer, shape);
    writer.EndRecord();
    WriteBackground(writer);
    writer.EndRecord();
    writer.EndRecord();
}

void CDrawingRecords::WriteGroupShape(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::SpContainer);
    writer.BeginRecord(RecordType::Fspgr, kFspgrVersion);
    writer.Zeros(16); // the group's own coordinate space is unused
    writer.EndRecord();
    WriteShapeAtom(writer, 0, ClusterBase(m_drawingId), kShapeGroup | kShapePatriarch);
    writer.EndRecord();
}

void CDrawingRecords::WritePlaceholder(CRecordWriter& writer, const PlaceholderShape& shape) const
{
    writer.BeginContainer(RecordType::SpContainer);
    const std::uint32_t masterFlag = shape.masterShapeId != 0 ? kShapeHaveMaster : 0;
    WriteShapeAtom(writer, kShapeTypeRectangle, shape.shapeId,
                   kShapeHaveAnchor | kShapeHaveSpt | masterFlag);
    const std::uint32_t protection =
        shape.masterShapeId != 0 ? kSlidePlaceholderProtection : kMasterPlaceholderProtection;
    std::array<Property, 5> properties{{{ShapeProperty::Protection, protection},
                                        {ShapeProperty::FillBooleans, kNoFill},
                                        {ShapeProperty::LineBooleans, kNoLine}}};
    std::size_t count = 3;
    if (shape.anchorMiddle)
        properties[count++] = {ShapeProperty::AnchorText, kAnchorMiddle};
    if (shape.masterShapeId != 0)
        properties[count++] = {ShapeProperty::HspMaster, shape.masterShapeId};
    WriteProperties(writer, std::span(properties.data(), count), shape.name);
    WriteAnchor(writer, shape.anchor);

    writer.BeginContainer(RecordType::ClientData);
    writer.BeginRecord(RecordType::PlaceholderAtom);
    writer.I32(shape.position);
    writer.U8(static_cast<std::uint8_t>(shape.placement));
    writer.U8(shape.size);
    writer.U16(0);
    writer.EndRecord();
    writer.EndRecord();

    if (shape.outlineTextIndex || shape.inlineText) {
        writer.BeginContainer(RecordType::ClientTextbox);
        if (shape.outlineTextIndex) {
            writer.BeginRecord(RecordType::OutlineTextRefAtom);
            writer.U32(*shape.outlineTextIndex);
            writer.EndRecord();
        } else {
            shape.inlineText->Write(writer);
        }
        writer.EndRecord();
    }
    writer.EndRecord();
}

void CDrawingRecords::WriteBackground(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::SpContainer);
    WriteShapeAtom(writer, kShapeTypeRectangle, ClusterBase(m_drawingId) + kBackgroundOffset,
                   kShapeBackground | kShapeHaveSpt);
    // Escher colours are stored blue, green, red from the high byte down.
    const std::uint32_t rgb = m_backgroundRgb;
    const std::uint32_t bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    std::array<Property, 4> properties{{{ShapeProperty::FillColor, bgr},
                                        {ShapeProperty::FillBooleans, kSolidFill},
                                        {ShapeProperty::LineBooleans, kNoLine},
                                        {ShapeProperty::ShapeBooleans, kIsBackground}}};
    WriteProperties(writer, properties, {});
    writer.EndRecord();
}
