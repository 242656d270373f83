// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

// The variant types this system passes; the numbers are automation's own.
enum VarType : std::uint16_t
{
    VT_EMPTY = 0,
    VT_I4 = 3,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
};

// A value as it travels in an automation call. Strings are UTF-8; a dispatch
// value owns one reference to its object.
//
// Every call makes, moves and drops several of these, so the value is a type
// tag beside plain storage rather than a std::variant, and the moves are
// written here where the compiler can see them: a move copies a few words
// and leaves the source empty.
class CVariant
{
public:
    CVariant() noexcept = default;
    CVariant(std::int32_t value) noexcept : m_type(VT_I4) { m_scalar.i4 = value; }
    CVariant(std::string value) noexcept : m_type(VT_BSTR), m_string(std::move(value)) {}
    CVariant(const char* value) : CVariant(std::string(value)) {}
    CVariant(const CVariant& other);
    CVariant(CVariant&& other) noexcept
        : m_type(std::exchange(other.m_type, VT_EMPTY)), m_scalar(other.m_scalar),
          m_string(std::move(other.m_string))
    {}
    CVariant& operator=(const CVariant& other);
    CVariant& operator=(CVariant&& other) noexcept
    {
        if (this != &other) {
            ReleaseHeld();
            m_type = std::exchange(other.m_type, VT_EMPTY);
            m_scalar = other.m_scalar;
            m_string = std::move(other.m_string);
        }
        return *this;
    }
    ~CVariant() { ReleaseHeld(); }

    static CVariant FromDate(double date) noexcept;
    static CVariant FromBool(bool value) noexcept;
    static CVariant FromError(HRESULT code) noexcept;
    // The marker of an optional argument that the caller leaves out.
    static CVariant Missing() noexcept;
    // Takes over the reference that the caller holds; adds none.
    static CVariant TakeDispatch(IDispatch* dispatch) noexcept;

    VarType Type() const noexcept { return m_type; }
    bool IsMissing() const noexcept
    {
        return m_type == VT_ERROR && m_scalar.error == DISP_E_PARAMNOTFOUND;
    }

    // Each accessor expects the matching type; check Type() first. A wrong
    // type throws std::bad_variant_access.
    std::int32_t I4() const;
    double Date() const;
    bool Bool() const;
    HRESULT Error() const;
    const std::string& String() const;
    // The held object without a new reference; nullptr for no object.
    IDispatch* Dispatch() const noexcept
    {
        return m_type == VT_DISPATCH ? m_scalar.dispatch : nullptr;
    }
    // Hands the held reference to the caller and leaves the variant empty.
    IDispatch* DetachDispatch() noexcept;

    // The value converted to another type, as automation's coercion does it;
    // nothing when the conversion is not possible.
    std::optional<CVariant> ChangeType(VarType type) const;

    void Clear() noexcept
    {
        ReleaseHeld();
        if (m_type == VT_BSTR)
            m_string = std::string();
        m_type = VT_EMPTY;
    }

    friend bool operator==(const CVariant& a, const CVariant& b) noexcept;

private:
    union Scalar {
        IDispatch* dispatch;
        std::int32_t i4;
        double date;
        bool boolean;
        HRESULT error;
    };

    void ReleaseHeld() noexcept
    {
        if (m_type == VT_DISPATCH && m_scalar.dispatch != nullptr)
            m_scalar.dispatch->Release();
    }
    void CheckType(VarType type) const;

    VarType m_type = VT_EMPTY;
    Scalar m_scalar{};
    // Only a VT_BSTR value uses it; empty otherwise.
    std::string m_string;
};

std::string DescribeVariant(const CVariant& value);
