// SPDX-License-Identifier: MIT
#include "Variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

CVariant::CVariant(Value value) noexcept : m_value(std::move(value)) {}

CVariant::CVariant(std::int32_t value) noexcept : m_value(value) {}

CVariant::CVariant(std::string value) : m_value(std::move(value)) {}

CVariant::CVariant(const char* value) : m_value(std::string(value)) {}

CVariant::CVariant(const CVariant& other) noexcept : m_value(other.m_value)
{
    AddRefHeld();
}

CVariant::CVariant(CVariant&& other) noexcept : m_value(std::move(other.m_value))
{
    other.m_value = std::monostate{};
}

CVariant& CVariant::operator=(const CVariant& other) noexcept
{
    if (this != &other) {
        CVariant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CVariant& CVariant::operator=(CVariant&& other) noexcept
{
    if (this != &other) {
        Clear();
        m_value = std::move(other.m_value);
        other.m_value = std::monostate{};
    }
    return *this;
}

CVariant::~CVariant()
{
    Clear();
}

CVariant CVariant::FromDate(double date) noexcept
{
    return CVariant(Value(DateValue{date}));
}

CVariant CVariant::FromBool(bool value) noexcept
{
    return CVariant(Value(BoolValue{value}));
}

CVariant CVariant::FromError(HRESULT code) noexcept
{
    return CVariant(Value(ErrorValue{code}));
}

CVariant CVariant::Missing() noexcept
{
    return FromError(DISP_E_PARAMNOTFOUND);
}

CVariant CVariant::TakeDispatch(IDispatch* dispatch) noexcept
{
    return CVariant(Value(DispatchValue{dispatch}));
}

VarType CVariant::Type() const noexcept
{
    static constexpr VarType types[] = {VT_EMPTY,    VT_I4,    VT_DATE, VT_BSTR,
                                        VT_DISPATCH, VT_ERROR, VT_BOOL};
    return types[m_value.index()];
}

bool CVariant::IsMissing() const noexcept
{
    const auto* error = std::get_if<ErrorValue>(&m_value);
    return error != nullptr && error->value == DISP_E_PARAMNOTFOUND;
}

std::int32_t CVariant::I4() const
{
    return std::get<std::int32_t>(m_value);
}

double CVariant::Date() const
{
    return std::get<DateValue>(m_value).value;
}

bool CVariant::Bool() const
{
    return std::get<BoolValue>(m_value).value;
}

HRESULT CVariant::Error() const
{
    return std::get<ErrorValue>(m_value).value;
}

const std::string& CVariant::String() const
{
    return std::get<std::string>(m_value);
}

IDispatch* CVariant::Dispatch() const noexcept
{
    const auto* dispatch = std::get_if<DispatchValue>(&m_value);
    return dispatch != nullptr ? dispatch->value : nullptr;
}

IDispatch* CVariant::DetachDispatch() noexcept
{
    IDispatch* dispatch = Dispatch();
    m_value = std::monostate{};
    return dispatch;
}

void CVariant::AddRefHeld() noexcept
{
    if (IDispatch* dispatch = Dispatch())
        dispatch->AddRef();
}

void CVariant::Clear() noexcept
{
    if (IDispatch* dispatch = Dispatch())
        dispatch->Release();
    m_value = std::monostate{};
}

bool operator==(const CVariant& a, const CVariant& b) noexcept
{
    return a.m_value == b.m_value;
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
