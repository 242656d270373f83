// SPDX-License-Identifier: MIT
#include "MasterShapes.h"

#include <algorithm>

namespace {

// Gap between the two columns cut from the master's body: 1/6 in.
constexpr std::int32_t kColumnGap = 96;

std::int16_t Clamp16(std::int64_t value)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, INT16_MIN, INT16_MAX));
}

std::int32_t Signed(std::uint32_t value)
{
    return static_cast<std::int32_t>(value);
}

// Small anchors are four 16-bit values, large ones four 32-bit values; both
// list top, left, right, bottom.
std::optional<ShapeAnchor> AnchorOf(const CRecordReader& reader, const RecordNode& anchor)
{
    const std::size_t at = anchor.PayloadOffset();
    if (anchor.length >= 16) {
        return ShapeAnchor{Clamp16(Signed(reader.U32(at))), Clamp16(Signed(reader.U32(at + 4))),
                           Clamp16(Signed(reader.U32(at + 8))),
                           Clamp16(Signed(reader.U32(at + 12)))};
    }
    if (anchor.length >= 8) {
        return ShapeAnchor{static_cast<std::int16_t>(reader.U16(at)),
                           static_cast<std::int16_t>(reader.U16(at + 2)),
                           static_cast<std::int16_t>(reader.U16(at + 4)),
                           static_cast<std::int16_t>(reader.U16(at + 6))};
    }
    return std::nullopt;
}

const RecordNode* DgContainer(const RecordNode& master)
{
    const RecordNode* drawing = master.Child(RecordTypeValue(RecordType::Drawing));
    return drawing ? drawing->Child(RecordTypeValue(RecordType::DgContainer)) : nullptr;
}

ShapeAnchor Scaled(const ShapeAnchor& anchor, std::uint32_t width, std::uint32_t height)
{
    auto x = [width](std::int16_t v) {
        return Clamp16(std::int64_t{v} * width / kSlideWidth);
    };
    auto y = [height](std::int16_t v) {
        return Clamp16(std::int64_t{v} * height / kSlideHeight);
    };
    return {y(anchor.top), x(anchor.left), x(anchor.right), y(anchor.bottom)};
}

} // namespace

namespace MasterShapes {

std::map<std::uint8_t, MasterShape> Placeholders(const CRecordReader& reader,
                                                 const RecordNode& master)
{
    std::map<std::uint8_t, MasterShape> shapes;
    const RecordNode* dg = DgContainer(master);
    const RecordNode* group = dg ? dg->Child(RecordTypeValue(RecordType::SpgrContainer)) : nullptr;
    if (!group)
        return shapes;
    for (const RecordNode& shape : group->children) {
        const RecordNode* data = shape.Child(RecordTypeValue(RecordType::ClientData));
        const RecordNode* atom =
            data ? data->Child(RecordTypeValue(RecordType::PlaceholderAtom)) : nullptr;
        const RecordNode* fsp = shape.Child(RecordTypeValue(RecordType::Fsp));
        const RecordNode* anchorNode = shape.Child(RecordTypeValue(RecordType::ClientAnchor));
        if (!atom || atom->length < 8 || !fsp || fsp->length < 8 || !anchorNode)
            continue;
        const std::optional<ShapeAnchor> anchor = AnchorOf(reader, *anchorNode);
        if (!anchor)
            continue;
        const std::uint8_t placement = reader.U8(atom->PayloadOffset() + 4);
        shapes.emplace(placement, MasterShape{reader.U32(fsp->PayloadOffset()), *anchor});
    }
    return shapes;
}

void DrawingIds(const CRecordReader& reader, const RecordNode& master, TemplateMaster& stored)
{
    const RecordNode* dg = DgContainer(master);
    const RecordNode* fdg = dg ? dg->Child(RecordTypeValue(RecordType::Fdg)) : nullptr;
    if (!fdg || fdg->length < 8)
        return;
    stored.drawingId = fdg->instance;
    stored.shapeCount = reader.U32(fdg->PayloadOffset());
    stored.lastShapeId = reader.U32(fdg->PayloadOffset() + 4);
}

std::optional<std::array<std::uint32_t, 8>> ColorScheme(const CRecordReader& reader,
                                                        const RecordNode& master)
{
    for (const RecordNode& child : master.children) {
        if (child.type != RecordTypeValue(RecordType::ColorSchemeAtom) ||
            child.instance != kSchemeCurrent || child.length < 32)
            continue;
        std::array<std::uint32_t, 8> scheme{};
        for (std::size_t i = 0; i < scheme.size(); ++i) {
            const std::size_t at = child.PayloadOffset() + 4 * i;
            scheme[i] = (std::uint32_t{reader.U8(at)} << 16) |
                        (std::uint32_t{reader.U8(at + 1)} << 8) | reader.U8(at + 2);
        }
        return scheme;
    }
    return std::nullopt;
}

SlideDesign SlidesFrom(const std::map<std::uint8_t, MasterShape>& main,
                       const std::map<std::uint8_t, MasterShape>& title, std::uint32_t width,
                       std::uint32_t height)
{
    auto pick = [&](const std::map<std::uint8_t, MasterShape>& shapes, std::uint8_t placement,
                    const ShapeAnchor& fallback) {
        const auto found = shapes.find(placement);
        return found != shapes.end() ? found->second.anchor : Scaled(fallback, width, height);
    };
    SlideDesign design;
    design.title = pick(main, PlacementValue(PlacementId::MasterTitle), DefaultDesign::kTitle);
    design.body = pick(main, PlacementValue(PlacementId::MasterBody), DefaultDesign::kBody);
    design.centerTitle =
        pick(title, PlacementValue(PlacementId::MasterCenterTitle), DefaultDesign::kCenterTitle);
    design.subtitle =
        pick(title, PlacementValue(PlacementId::MasterSubTitle), DefaultDesign::kSubtitle);
    const ShapeAnchor& body = design.body;
    const std::int32_t columnWidth = (body.right - body.left - kColumnGap) / 2;
    design.leftColumn = body;
    design.leftColumn.right = Clamp16(body.left + columnWidth);
    design.rightColumn = body;
    design.rightColumn.left = Clamp16(body.right - columnWidth);
    return design;
}

} // namespace MasterShapes
