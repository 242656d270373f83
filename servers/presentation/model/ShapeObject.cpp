// SPDX-License-Identifier: MIT
#include "ShapeObject.h"

#include "PowerPointDispids.h"

CShapeObject::CShapeObject(std::shared_ptr<ApplicationState> state, std::string name,
                           PlaceholderKind kind)
    : CModelObject(state), m_name(std::move(name)), m_kind(kind),
      m_textFrame(MakeObject<CTextFrameObject>(state))
{}

std::span<const DispatchRow<CShapeObject>> CShapeObject::Members()
{
    using Row = DispatchRow<CShapeObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::ShapeTextFrame, InvokeKind::PropertyGet, Args(),
         &CShapeObject::GetTextFrame},
    };
    return rows;
}

HRESULT CShapeObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

CVariant CShapeObject::GetTextFrame(const CArguments&)
{
    return m_textFrame.NewReference();
}

Placeholder CShapeObject::ToPlaceholder() const
{
    return Placeholder{m_name, m_kind, m_textFrame->Body().Paragraphs()};
}
