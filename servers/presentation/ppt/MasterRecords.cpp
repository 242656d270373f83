// SPDX-License-Identifier: MIT
#include "MasterRecords.h"

#include "RecordWriter.h"
#include "SlideRecords.h"
#include "TextStyles.h"

#include <array>

namespace {

constexpr std::uint32_t kTitleNumber = 2;
constexpr std::uint32_t kBodyNumber = 3;

CParagraphs BodyPrompt()
{
    return {{"Click to edit the text styles", 1},
            {"Second level", 2},
            {"Third level", 3},
            {"Fourth level", 4},
            {"Fifth level", 5}};
}

PlaceholderShape MasterPlaceholder(std::uint32_t shapeId, std::int32_t position,
                                   PlacementId placement, const ShapeAnchor& anchor,
                                   const CTextRecords& prompt)
{
    PlaceholderShape shape;
    shape.shapeId = shapeId;
    shape.position = position;
    shape.placement = placement;
    shape.anchor = anchor;
    shape.anchorMiddle = placement == PlacementId::MasterTitle;
    shape.inlineText = &prompt;
    return shape;
}

} // namespace

CMasterRecords::CMasterRecords(std::uint32_t drawingId, const DesignDescription& design)
    : m_drawingId(drawingId), m_design(design),
      m_titlePrompt(TextType::Title, 0, {{"Click to edit the title style", 1}}),
      m_bodyPrompt(TextType::Body, 0, BodyPrompt()),
      m_drawing(drawingId, {MasterPlaceholder(TitleShapeId(), 0, PlacementId::MasterTitle,
                                              DefaultDesign::kTitle, m_titlePrompt),
                            MasterPlaceholder(BodyShapeId(), 1, PlacementId::MasterBody,
                                              DefaultDesign::kBody, m_bodyPrompt)})
{
    m_drawing.SetBackground(design.BackgroundRgb());
}

std::uint32_t CMasterRecords::TitleShapeId() const
{
    return CDrawingRecords::ClusterBase(m_drawingId) + kTitleNumber;
}

std::uint32_t CMasterRecords::BodyShapeId() const
{
    return CDrawingRecords::ClusterBase(m_drawingId) + kBodyNumber;
}

void CMasterRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::MainMaster);
    std::array<PlacementId, kPlaceholderTypeSlots> types{};
    types[0] = PlacementId::MasterTitle;
    types[1] = PlacementId::MasterBody;
    CSlideRecords::WriteSlideAtom(writer, SlideGeom::TitleBody, types, 0, 0);
    CSlideRecords::WriteColorScheme(writer, kSchemeListEntry, m_design.colorScheme);
    for (TextType type : {TextType::Title, TextType::Body, TextType::Notes, TextType::CenterBody,
                          TextType::CenterTitle, TextType::HalfBody, TextType::QuarterBody})
        CTextStyles(type, m_design).Write(writer);
    m_drawing.Write(writer);
    CSlideRecords::WriteColorScheme(writer, kSchemeCurrent, m_design.colorScheme);
    writer.BeginRecord(RecordType::CString, 0, kMasterNameInstance);
    writer.Utf16(m_design.name);
    writer.EndRecord();
    writer.EndRecord();
}
