// SPDX-License-Identifier: MIT
#include "ShapeObject.h"

#include "PowerPointDispids.h"
#include "TextFrameObject.h"

CShapeObject::CShapeObject(std::shared_ptr<ApplicationState> state, CObjectRef<CSlideObject> slide,
                           std::size_t index) noexcept
    : CModelObject(std::move(state)), m_slide(std::move(slide)), m_index(index)
{}

CShapeObject::~CShapeObject()
{
    m_slide->Forget(this);
}

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
    return m_slide->TextFrame(m_index).HandOver();
}
