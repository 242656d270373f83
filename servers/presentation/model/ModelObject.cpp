// SPDX-License-Identifier: MIT
#include "ModelObject.h"

CModelObject::CModelObject(std::shared_ptr<ApplicationState> state) noexcept
    : m_state(std::move(state))
{}

HRESULT CModelObject::Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                             ExcepInfo* excepInfo)
{
    // A quit application is gone for its clients, whatever they still hold;
    // their references stay safe to release.
    if (m_state->quit)
        return RPC_E_DISCONNECTED;
    try {
        return Answer(InvokeCall{dispid, kind, params, result, excepInfo});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}
