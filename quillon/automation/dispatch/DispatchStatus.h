// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Status codes of the automation world, with the values automation clients
// know them by, so a status read from a log or a message means the same here.
using HRESULT = std::int32_t;

constexpr HRESULT MakeStatus(std::uint32_t bits) noexcept
{
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_NOTIMPL = MakeStatus(0x80004001);
inline constexpr HRESULT E_FAIL = MakeStatus(0x80004005);
inline constexpr HRESULT E_OUTOFMEMORY = MakeStatus(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = MakeStatus(0x80070057);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeStatus(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = MakeStatus(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeStatus(0x80020005);
inline constexpr HRESULT DISP_E_NONAMEDARGS = MakeStatus(0x80020007);
inline constexpr HRESULT DISP_E_EXCEPTION = MakeStatus(0x80020009);
inline constexpr HRESULT DISP_E_OVERFLOW = MakeStatus(0x8002000A);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeStatus(0x8002000E);
inline constexpr HRESULT RPC_E_DISCONNECTED = MakeStatus(0x80010108);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeStatus(0x80040154);
inline constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = MakeStatus(0x80080005);

constexpr bool Succeeded(HRESULT status) noexcept
{
    return status >= 0;
}

constexpr bool Failed(HRESULT status) noexcept
{
    return status < 0;
}
