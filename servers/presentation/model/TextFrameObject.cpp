// SPDX-License-Identifier: MIT
#include "TextFrameObject.h"

#include "ObjectRef.h"
#include "PowerPointDispids.h"
#include "TextRangeObject.h"

CTextFrameObject::CTextFrameObject(std::shared_ptr<ApplicationState> state)
    : CModelObject(std::move(state)), m_body(std::make_shared<CTextBody>())
{}

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
    return MakeObject<CTextRangeObject>(State(), m_body, CTextSpan::WholeText()).NewReference();
}
