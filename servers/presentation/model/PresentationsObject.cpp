// SPDX-License-Identifier: MIT
#include "PresentationsObject.h"

#include "PowerPointDispids.h"

CPresentationsObject::CPresentationsObject(std::shared_ptr<ApplicationState> state) noexcept
    : CModelObject(std::move(state))
{}

std::span<const DispatchRow<CPresentationsObject>> CPresentationsObject::Members()
{
    using Row = DispatchRow<CPresentationsObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::PresentationsAdd, InvokeKind::Method, Args(ArgType::I4),
         &CPresentationsObject::Add},
    };
    return rows;
}

HRESULT CPresentationsObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

void CPresentationsObject::CloseAll() noexcept
{
    m_presentations.clear();
}

// WithWindow is a tri-state flag; any value but msoFalse asks for a window.
CVariant CPresentationsObject::Add(const CArguments& args)
{
    const bool withWindow = args.I4(0) != PowerPointConstant::msoFalse;
    m_presentations.push_back(MakeObject<CPresentationObject>(State(), withWindow));
    return m_presentations.back().NewReference();
}
