// SPDX-License-Identifier: MIT
#include "Variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <variant>

CVariant::CVariant(const CVariant& other)
    : m_type(other.m_type), m_scalar(other.m_scalar), m_string(other.m_string)
{
    if (IDispatch* dispatch = Dispatch())
        dispatch->AddRef();
}

CVariant& CVariant::operator=(const CVariant& other)
{
    if (this != &other) {
        CVariant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CVariant CVariant::FromDate(double date) noexcept
{
    CVariant value;
    value.m_type = VT_DATE;
    value.m_scalar.date = date;
    return value;
}

CVariant CVariant::FromBool(bool value) noexcept
{
    CVariant result;
    result.m_type = VT_BOOL;
    result.m_scalar.boolean = value;
    return result;
}

CVariant CVariant::FromError(HRESULT code) noexcept
{
    CVariant value;
    value.m_type = VT_ERROR;
    value.m_scalar.error = code;
    return value;
}

CVariant CVariant::Missing() noexcept
{
    return FromError(DISP_E_PARAMNOTFOUND);
}

CVariant CVariant::TakeDispatch(IDispatch* dispatch) noexcept
{
    CVariant value;
    value.m_type = VT_DISPATCH;
    value.m_scalar.dispatch = dispatch;
    return value;
}

void CVariant::CheckType(VarType type) const
{
    if (m_type != type)
        throw std::bad_variant_access();
}

std::int32_t CVariant::I4() const
{
    CheckType(VT_I4);
    return m_scalar.i4;
}

double CVariant::Date() const
{
    CheckType(VT_DATE);
    return m_scalar.date;
}

bool CVariant::Bool() const
{
    CheckType(VT_BOOL);
    return m_scalar.boolean;
}

HRESULT CVariant::Error() const
{
    CheckType(VT_ERROR);
    return m_scalar.error;
}

const std::string& CVariant::String() const
{
    CheckType(VT_BSTR);
    return m_string;
}

IDispatch* CVariant::DetachDispatch() noexcept
{
    IDispatch* dispatch = Dispatch();
    if (dispatch != nullptr)
        m_type = VT_EMPTY;
    else
        Clear();
    return dispatch;
}

bool operator==(const CVariant& a, const CVariant& b) noexcept
{
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case VT_EMPTY:
        return true;
    case VT_I4:
        return a.m_scalar.i4 == b.m_scalar.i4;
    case VT_DATE:
        return a.m_scalar.date == b.m_scalar.date;
    case VT_BSTR:
        return a.m_string == b.m_string;
    case VT_DISPATCH:
        return a.m_scalar.dispatch == b.m_scalar.dispatch;
    case VT_ERROR:
        return a.m_scalar.error == b.m_scalar.error;
    case VT_BOOL:
        return a.m_scalar.boolean == b.m_scalar.boolean;
    }
    return false;
}

namespace {

std::optional<std::int32_t> ParseI4(const std::string& text)
{
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ')
        ++first;
    while (last != first && last[-1] == ' ')
        --last;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> RoundToI4(double value)
{
    // Automation rounds half to even when it narrows a floating value.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace

std::optional<CVariant> CVariant::ChangeType(VarType type) const
{
    if (Type() == type)
        return *this;
    switch (type) {
    case VT_EMPTY:
        return CVariant();
    case VT_I4:
        if (Type() == VT_EMPTY)
            return CVariant(0);
        if (Type() == VT_BOOL)
            return CVariant(Bool() ? -1 : 0);
        if (Type() == VT_DATE) {
            if (auto value = RoundToI4(Date()))
                return CVariant(*value);
            return std::nullopt;
        }
        if (Type() == VT_BSTR) {
            if (auto value = ParseI4(String()))
                return CVariant(*value);
        }
        return std::nullopt;
    case VT_BSTR:
        if (Type() == VT_EMPTY)
            return CVariant(std::string());
        if (Type() == VT_I4)
            return CVariant(std::to_string(I4()));
        if (Type() == VT_BOOL)
            return CVariant(Bool() ? "True" : "False");
        return std::nullopt;
    case VT_DATE:
        if (Type() == VT_EMPTY)
            return FromDate(0.0);
        if (Type() == VT_I4)
            return FromDate(I4());
        return std::nullopt;
    case VT_BOOL:
        if (Type() == VT_EMPTY)
            return FromBool(false);
        if (Type() == VT_I4)
            return FromBool(I4() != 0);
        return std::nullopt;
    case VT_DISPATCH:
    case VT_ERROR:
        return std::nullopt;
    }
    return std::nullopt;
}

std::string DescribeVariant(const CVariant& value)
{
    switch (value.Type()) {
    case VT_EMPTY:
        return "empty";
    case VT_I4:
        return "I4 " + std::to_string(value.I4());
    case VT_DATE:
        return "date " + std::to_string(value.Date());
    case VT_BSTR:
        return "\"" + value.String() + "\"";
    case VT_DISPATCH:
        return value.Dispatch() != nullptr ? "object" : "no object";
    case VT_ERROR:
        return value.IsMissing() ? "missing" : "error " + std::to_string(value.Error());
    case VT_BOOL:
        return value.Bool() ? "true" : "false";
    }
    return "unknown";
}
