#include "DispatchTable.h"

#include <iterator>

namespace {

// The value of a put travels as the one named argument DISPID_PROPERTYPUT;
// methods and gets of this object model take no named arguments.
bool NamedArgumentsFit(InvokeKind rowKind, const DispParams& params)
{
    if (rowKind == InvokeKind::PropertyPut)
        return params.namedArgs.size() == 1 && params.namedArgs.front() == DISPID_PROPERTYPUT;
    return params.namedArgs.empty();
}

HRESULT ConvertOne(ArgType type, const CVariant& argument, std::vector<CVariant>& values)
{
    if (argument.IsMissing())
        return DISP_E_PARAMNOTFOUND;
    if (type == ArgType::Variant) {
        values.push_back(argument);
        return S_OK;
    }
    std::optional<CVariant> converted = argument.ChangeType(type == ArgType::I4 ? VT_I4 : VT_BSTR);
    if (!converted)
        return DISP_E_TYPEMISMATCH;
    values.push_back(std::move(*converted));
    return S_OK;
}

} // namespace

bool KindMatches(InvokeKind callKind, InvokeKind rowKind) noexcept
{
    return (static_cast<unsigned>(callKind) & static_cast<unsigned>(rowKind)) != 0;
}

HRESULT ConvertArguments(InvokeKind rowKind, const ArgTypes& types, const DispParams& params,
                         std::vector<CVariant>& values)
{
    if (!NamedArgumentsFit(rowKind, params))
        return DISP_E_PARAMNOTFOUND;
    if (params.args.size() != types.count)
        return DISP_E_BADPARAMCOUNT;
    values.clear();
    values.reserve(types.count);
    // The argument array holds the last argument first.
    auto argument = std::rbegin(params.args);
    for (std::size_t i = 0; i < types.count; ++i, ++argument) {
        const HRESULT status = ConvertOne(types.types[i], *argument, values);
        if (Failed(status))
            return status;
    }
    return S_OK;
}

void DeliverResult(CVariant value, CVariant* result) noexcept
{
    if (result != nullptr)
        *result = std::move(value);
}

HRESULT AnswerServerError(const CServerError& error, ExcepInfo* excepInfo)
{
    if (excepInfo != nullptr)
        error.FillExcepInfo(*excepInfo);
    return DISP_E_EXCEPTION;
}
