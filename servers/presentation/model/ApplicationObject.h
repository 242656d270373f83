// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationsObject.h"

#include <span>

// Application: the root of the object model, one per server creation.
class CApplicationObject final : public CModelObject
{
public:
    explicit CApplicationObject(PresentationServices services);

    // Activate was called: the application counts as shown to the user.
    bool IsActive() const noexcept { return State()->active; }
    // Quit was called: every object of this application answers
    // RPC_E_DISCONNECTED from then on.
    bool HasQuit() const noexcept { return State()->quit; }
    const CPresentationsObject& Presentations() const noexcept { return *m_presentations; }

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CApplicationObject>> Members();

    CVariant GetPresentations(const CArguments& args);
    CVariant Quit(const CArguments& args);
    CVariant Activate(const CArguments& args);

    CObjectRef<CPresentationsObject> m_presentations;
};
