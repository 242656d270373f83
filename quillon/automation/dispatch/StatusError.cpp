// SPDX-License-Identifier: MIT
#include "StatusError.h"

#include <array>
#include <cstdio>
#include <utility>

namespace {

constexpr std::array<std::pair<HRESULT, const char*>, 13> kStatusTexts{{
    {E_NOTIMPL, "Not implemented"},
    {E_FAIL, "Unspecified error"},
    {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
    {E_INVALIDARG, "The parameter is incorrect."},
    {DISP_E_MEMBERNOTFOUND, "Member not found."},
    {DISP_E_PARAMNOTFOUND, "Parameter not found."},
    {DISP_E_TYPEMISMATCH, "Type mismatch."},
    {DISP_E_OVERFLOW, "Out of present range."},
    {DISP_E_BADPARAMCOUNT, "Invalid number of parameters."},
    {DISP_E_NONAMEDARGS, "Does not support named arguments."},
    {RPC_E_DISCONNECTED, "The object invoked has disconnected from its clients."},
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {CO_E_SERVER_EXEC_FAILURE, "Server execution failed"},
}};

std::string HexCode(HRESULT code)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    return text;
}

} // namespace

std::string StatusMessageText(HRESULT code)
{
    for (const auto& [status, text] : kStatusTexts) {
        if (status == code)
            return text;
    }
    return {};
}

CStatusError::CStatusError(HRESULT code) : m_code(code)
{
    SetWhat("automation call failed with status " + HexCode(code));
}

std::string CStatusError::ErrorText() const
{
    std::string text = StatusMessageText(m_code);
    return text.empty() ? "Internal application error." : text;
}
