// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchStatus.h"

#include <cstdint>
#include <string>
#include <vector>

class CVariant;

using DISPID = std::int32_t;

// The member id that marks the value of a property put, as automation prescribes.
inline constexpr DISPID DISPID_PROPERTYPUT = -3;

enum class InvokeKind : std::uint16_t
{
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
};

// Arguments travel last first, as in automation's own argument array, so a
// binding written against this interface keeps its meaning against real COM.
struct DispParams
{
    std::vector<CVariant> args;
    std::vector<DISPID> namedArgs;
};

// What a server fills in when it answers DISP_E_EXCEPTION.
struct ExcepInfo
{
    std::uint16_t code = 0;
    std::string source;
    std::string description;
    std::string helpFile;
    std::uint32_t helpContext = 0;
    HRESULT scode = S_OK;
};

// A counted automation object. A reference handed out by any call belongs to
// the receiver, which gives it back with Release.
class IDispatch
{
public:
    virtual std::uint32_t AddRef() noexcept = 0;
    virtual std::uint32_t Release() noexcept = 0;

    // Servers report every failure through the status (and the exception
    // record for DISP_E_EXCEPTION); they do not throw.
    virtual HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                           ExcepInfo* excepInfo) = 0;

protected:
    virtual ~IDispatch() = default;
};
