// SPDX-License-Identifier: MIT
#include "ApplicationObject.h"

#include "PowerPointDispids.h"

CApplicationObject::CApplicationObject(PresentationServices services)
    : CModelObject(std::make_shared<ApplicationState>(ApplicationState{std::move(services)})),
      m_presentations(MakeObject<CPresentationsObject>(State()))
{}

std::span<const DispatchRow<CApplicationObject>> CApplicationObject::Members()
{
    using Row = DispatchRow<CApplicationObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::ApplicationPresentations, InvokeKind::PropertyGet, Args(),
         &CApplicationObject::GetPresentations},
        {PowerPointDispid::ApplicationQuit, InvokeKind::Method, Args(), &CApplicationObject::Quit},
        {PowerPointDispid::ApplicationActivate, InvokeKind::Method, Args(),
         &CApplicationObject::Activate},
    };
    return rows;
}

HRESULT CApplicationObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

CVariant CApplicationObject::GetPresentations(const CArguments&)
{
    return m_presentations.NewReference();
}

// The presentations close with the application; the objects that clients
// still hold stay valid to release but answer no call any more.
CVariant CApplicationObject::Quit(const CArguments&)
{
    State()->quit = true;
    m_presentations->CloseAll();
    return {};
}

CVariant CApplicationObject::Activate(const CArguments&)
{
    State()->active = true;
    return {};
}
