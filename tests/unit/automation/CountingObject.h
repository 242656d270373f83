// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchObject.h"
#include "Variant.h"

#include <functional>
#include <vector>

// An automation object whose answer the test writes, and which remembers the
// parameters of the last call.
class CCountingObject final : public CDispatchObject
{
public:
    using Answer = std::function<HRESULT(DispParams&, CVariant*, ExcepInfo*)>;

    explicit CCountingObject(Answer answer = {}) : m_answer(std::move(answer)) {}

    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) override
    {
        lastDispid = dispid;
        lastKind = kind;
        lastParams = params;
        lastHadResult = result != nullptr;
        ++calls;
        return m_answer ? m_answer(params, result, excepInfo) : S_OK;
    }

    // The count as seen through one AddRef/Release pair.
    std::uint32_t References()
    {
        AddRef();
        return Release();
    }

    DISPID lastDispid = -1;
    InvokeKind lastKind = InvokeKind::Method;
    DispParams lastParams;
    bool lastHadResult = false;
    int calls = 0;

private:
    Answer m_answer;
};
