// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

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
class CVariant
{
public:
    CVariant() noexcept = default;
    CVariant(std::int32_t value) noexcept;
    CVariant(std::string value);
    CVariant(const char* value);
    CVariant(const CVariant& other) noexcept;
    CVariant(CVariant&& other) noexcept;
    CVariant& operator=(const CVariant& other) noexcept;
    CVariant& operator=(CVariant&& other) noexcept;
    ~CVariant();

    static CVariant FromDate(double date) noexcept;
    static CVariant FromBool(bool value) noexcept;
    static CVariant FromError(HRESULT code) noexcept;
    // The marker of an optional argument that the caller leaves out.
    static CVariant Missing() noexcept;
    // Takes over the reference that the caller holds; adds none.
    static CVariant TakeDispatch(IDispatch* dispatch) noexcept;

    VarType Type() const noexcept;
    bool IsMissing() const noexcept;

    // Each accessor expects the matching type; check Type() first.
    std::int32_t I4() const;
    double Date() const;
    bool Bool() const;
    HRESULT Error() const;
    const std::string& String() const;
    // The held object without a new reference; nullptr for no object.
    IDispatch* Dispatch() const noexcept;
    // Hands the held reference to the caller and leaves the variant empty.
    IDispatch* DetachDispatch() noexcept;

    // The value converted to another type, as automation's coercion does it;
    // nothing when the conversion is not possible.
    std::optional<CVariant> ChangeType(VarType type) const;

    void Clear() noexcept;

    friend bool operator==(const CVariant& a, const CVariant& b) noexcept;

private:
    struct DateValue
    {
        double value;
        bool operator==(const DateValue&) const = default;
    };
    struct BoolValue
    {
        bool value;
        bool operator==(const BoolValue&) const = default;
    };
    struct ErrorValue
    {
        HRESULT value;
        bool operator==(const ErrorValue&) const = default;
    };
    struct DispatchValue
    {
        IDispatch* value;
        bool operator==(const DispatchValue&) const = default;
    };
    using Value = std::variant<std::monostate, std::int32_t, DateValue, std::string, DispatchValue,
                               ErrorValue, BoolValue>;

    explicit CVariant(Value value) noexcept;
    void AddRefHeld() noexcept;

    Value m_value;
};

std::string DescribeVariant(const CVariant& value);
