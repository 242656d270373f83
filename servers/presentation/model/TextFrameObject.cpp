// SPDX-License-Identifier: MIT
#include "TextFrameObject.h"

#include "PowerPointDispids.h"
#include "TextRangeObject.h"

CTextFrameObject::CTextFrameObject(std::shared_ptr<ApplicationState> state,
                                   CObjectRef<CSlideObject> slide, std::size_t index) noexcept
    : CModelObject(std::move(state)), m_slide(std::move(slide)), m_index(index)
{}

CTextFrameObject::~CTextFrameObject()
{
    m_slide->Forget(this);
}

std::span<const DispatchRow<CTextFrameObject>> CTextFrameObject::Members()
{
    using Row = DispatchRow<CTextFrameObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::TextFrameTextRange, InvokeKind::PropertyGet, Args(),
         &CTextFrameObject::GetTextRange},
    };
    return rows;
}

HRESULT CTextFrameObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

CVariant CTextFrameObject::GetTextRange(const CArguments&)
{
    return MakeObject<CTextRangeObject>(State(), m_slide, m_index, CTextSpan::WholeText())
        .HandOver();
}
