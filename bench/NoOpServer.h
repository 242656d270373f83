// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchObject.h"
#include "PowerPointDispids.h"
#include "Variant.h"

// The cheapest server that still answers every call the builder makes: each
// object result is the same object again, and Slides.Count counts the calls.
// What remains to measure is the markup, the builder and the bindings.
class CNoOpServer final : public CDispatchObject
{
public:
    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams&, CVariant* result,
                   ExcepInfo*) override
    {
        if (result == nullptr)
            return S_OK;
        if (dispid == PowerPointDispid::SlidesCount && kind == InvokeKind::PropertyGet) {
            *result = CVariant(++m_slides);
            return S_OK;
        }
        AddRef();
        *result = CVariant::TakeDispatch(this);
        return S_OK;
    }

private:
    std::int32_t m_slides = 0;
};
