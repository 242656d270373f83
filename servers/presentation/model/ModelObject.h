// SPDX-License-Identifier: MIT
#pragma once

#include "ApplicationState.h"
#include "DispatchObject.h"
#include "DispatchTable.h"

#include <memory>

// Base of the nine object kinds. It answers for every object once its
// application has quit, and otherwise leaves the call to the kind's table.
class CModelObject : public CDispatchObject
{
public:
    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) final;

protected:
    explicit CModelObject(std::shared_ptr<ApplicationState> state) noexcept;

    const std::shared_ptr<ApplicationState>& State() const noexcept { return m_state; }

    // Answers one call, normally through InvokeFromTable with the kind's table.
    virtual HRESULT Answer(const InvokeCall& call) = 0;

private:
    std::shared_ptr<ApplicationState> m_state;
};
