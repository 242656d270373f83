// SPDX-License-Identifier: MIT
#include "DispatchTable.h"

#include <iterator>
#include <stdexcept>

namespace {

// The value of a put travels as the one named argument DISPID_PROPERTYPUT;
// methods and gets of this object model take no named arguments.
bool NamedArgumentsFit(InvokeKind rowKind, const DispParams& params)
{
    if (rowKind == InvokeKind::PropertyPut)
        return params.namedArgs.size() == 1 && params.namedArgs.front() == DISPID_PROPERTYPUT;
    return params.namedArgs.empty();
}

HRESULT ConvertOne(ArgType type, const CVariant& argument, CArguments& values)
{
    if (argument.IsMissing())
        return DISP_E_PARAMNOTFOUND;
    const VarType wanted = type == ArgType::I4 ? VT_I4 : VT_BSTR;
    if (type == ArgType::Variant || argument.Type() == wanted) {
        values.AddOriginal(argument);
        return S_OK;
    }
    std::optional<CVariant> converted = argument.ChangeType(wanted);
    if (!converted)
        return DISP_E_TYPEMISMATCH;
    values.AddConverted(std::move(*converted));
    return S_OK;
}

} // namespace

void CArguments::AddConverted(CVariant value) noexcept
{
    m_converted[m_count] = std::move(value);
    m_values[m_count] = &m_converted[m_count];
    ++m_count;
}

const CVariant& CArguments::At(std::size_t index) const
{
    if (index >= m_count)
        throw std::out_of_range("the operation has no argument " + std::to_string(index));
    return *m_values[index];
}

bool KindMatches(InvokeKind callKind, InvokeKind rowKind) noexcept
{
    return (static_cast<unsigned>(callKind) & static_cast<unsigned>(rowKind)) != 0;
}

HRESULT ConvertArguments(InvokeKind rowKind, const ArgTypes& types, const DispParams& params,
                         CArguments& values)
{
    if (!NamedArgumentsFit(rowKind, params))
        return DISP_E_PARAMNOTFOUND;
    if (params.args.size() != types.count)
        return DISP_E_BADPARAMCOUNT;
    // The argument array holds the last argument first.
    auto argument = std::rbegin(params.args);
    for (std::size_t i = 0; i < types.count; ++i, ++argument) {
        const HRESULT status = ConvertOne(types.types[i], *argument, values);
        if (Failed(status))
            return status;
    }
    return S_OK;
}

HRESULT AnswerServerError(const CServerError& error, ExcepInfo* excepInfo)
{
    if (excepInfo != nullptr)
        error.FillExcepInfo(*excepInfo);
    return DISP_E_EXCEPTION;
}
