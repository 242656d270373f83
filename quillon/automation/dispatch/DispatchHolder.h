// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"
#include "Variant.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Holds one counted reference to an automation object, or none.
//  - Wrapping a reference that a call returned takes it over without a count.
//  - A copy adds a reference; an assignment adds the new one before it
//    releases the old one, and assigning a holder to itself changes nothing.
//  - The reference is released at the end of the holder's scope, also when
//    an exception unwinds it.
//  - A call through an empty holder does nothing and yields nothing.
// Failing calls throw CServerException (the server raised an exception) or
// CStatusError (any other failing status, or a result of the wrong type).
class CDispatchHolder
{
public:
    CDispatchHolder() noexcept = default;
    explicit CDispatchHolder(IDispatch* dispatch, bool autoRelease = true) noexcept;
    CDispatchHolder(const CDispatchHolder& other) noexcept;
    CDispatchHolder(CDispatchHolder&& other) noexcept;
    CDispatchHolder& operator=(const CDispatchHolder& other) noexcept;
    CDispatchHolder& operator=(CDispatchHolder&& other) noexcept;
    ~CDispatchHolder();

    // Creates the server registered under progId; false when that fails.
    bool CreateDispatch(std::string_view progId);
    // Takes over a reference, releasing the one held before.
    void AttachDispatch(IDispatch* dispatch, bool autoRelease = true) noexcept;
    // Hands the reference to the caller without releasing it.
    IDispatch* DetachDispatch() noexcept;
    void ReleaseDispatch() noexcept;

    IDispatch* GetDispatch() const noexcept { return m_dispatch; }
    bool IsEmpty() const noexcept { return m_dispatch == nullptr; }
    bool AutoRelease() const noexcept { return m_autoRelease; }

    // One automation call. Arguments are given in their natural order; the
    // result is converted to resultType (VT_EMPTY: no result is asked for).
    CVariant InvokeHelper(DISPID dispid, InvokeKind kind, VarType resultType,
                          std::initializer_list<CVariant> args = {}) const;

protected:
    void CallMethod(DISPID dispid, std::initializer_list<CVariant> args = {}) const;
    // The value is handed to the server as it is, so a text is not copied
    // on its way.
    void SetProperty(DISPID dispid, CVariant value) const;
    std::int32_t GetI4(DISPID dispid, InvokeKind kind,
                       std::initializer_list<CVariant> args = {}) const;
    std::string GetString(DISPID dispid) const;
    double GetDate(DISPID dispid) const;
    // A new reference owned by the caller, or nullptr from an empty holder.
    IDispatch* GetObject(DISPID dispid, InvokeKind kind,
                         std::initializer_list<CVariant> args = {}) const;
    // The same with one argument handed over as it is.
    IDispatch* GetObjectWith(DISPID dispid, InvokeKind kind, CVariant argument) const;

private:
    CVariant InvokeWith(DISPID dispid, InvokeKind kind, VarType resultType,
                        CVariant argument) const;
    CVariant Invoke(DISPID dispid, InvokeKind kind, VarType resultType, DispParams& params) const;

    IDispatch* m_dispatch = nullptr;
    bool m_autoRelease = true;
};
