// SPDX-License-Identifier: MIT
#include "SlideObject.h"

#include "PowerPointDispids.h"

CSlideObject::CSlideObject(std::shared_ptr<ApplicationState> state, int layout)
    : CModelObject(state), m_layout(layout), m_shapes(MakeObject<CShapesObject>(state, layout))
{}

std::span<const DispatchRow<CSlideObject>> CSlideObject::Members()
{
    using Row = DispatchRow<CSlideObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::SlideShapes, InvokeKind::PropertyGet, Args(), &CSlideObject::GetShapes},
    };
    return rows;
}

HRESULT CSlideObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

CVariant CSlideObject::GetShapes(const CArguments&)
{
    return m_shapes.NewReference();
}

SlideData CSlideObject::ToSlideData() const
{
    return SlideData{m_layout, m_shapes->ToPlaceholders()};
}
