// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"
#include "ServerErrors.h"
#include "Variant.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The forms an argument takes in the operation tables. I4 and String
// arguments are coerced as automation coerces them; a Variant argument
// reaches the handler as the caller sent it.
enum class ArgType : std::uint8_t
{
    I4,
    String,
    Variant,
};

struct ArgTypes
{
    std::array<ArgType, 3> types{};
    std::size_t count = 0;
};

template <class... Types> constexpr ArgTypes Args(Types... types)
{
    static_assert(sizeof...(Types) <= 3, "operations take at most three arguments");
    return ArgTypes{{types...}, sizeof...(Types)};
}

// One call as it reached Invoke.
struct InvokeCall
{
    DISPID dispid;
    InvokeKind kind;
    DispParams& params;
    CVariant* result;
    ExcepInfo* excepInfo;
};

// The arguments of one call in their natural order, already converted to the
// forms of the operation's row. An argument that has its row's form already
// is read where the caller put it, so a call's text is not copied on its way
// to the handler; only conversions are kept here.
class CArguments
{
public:
    CArguments() noexcept = default;
    CArguments(const CArguments&) = delete;
    CArguments& operator=(const CArguments&) = delete;

    std::int32_t I4(std::size_t index) const { return At(index).I4(); }
    const std::string& String(std::size_t index) const { return At(index).String(); }
    const CVariant& Variant(std::size_t index) const { return At(index); }

    // The caller's own argument, which must outlive this object.
    void AddOriginal(const CVariant& value) noexcept { m_values[m_count++] = &value; }
    void AddConverted(CVariant value) noexcept;

private:
    static constexpr std::size_t kMaxArguments = 3;

    const CVariant& At(std::size_t index) const;

    std::array<CVariant, kMaxArguments> m_converted;
    std::array<const CVariant*, kMaxArguments> m_values{};
    std::size_t m_count = 0;
};

// A handler answers with the call's result (empty for none); it reports a
// server exception by throwing CServerError and a bare status by throwing
// CInvokeStatus.
template <class TObject> struct DispatchRow
{
    DISPID dispid;
    InvokeKind kind;
    ArgTypes args;
    CVariant (TObject::*handler)(const CArguments&);
};

class CInvokeStatus
{
public:
    explicit CInvokeStatus(HRESULT status) noexcept : m_status(status) {}
    HRESULT Status() const noexcept { return m_status; }

private:
    HRESULT m_status;
};

// Whether a call of kind callKind may use a member of kind rowKind. Clients
// may ask for a method and a property get at once, as automation allows.
bool KindMatches(InvokeKind callKind, InvokeKind rowKind) noexcept;

// Checks named arguments, count and types against the row and converts the
// arguments into values, which must be new (natural order). S_OK or the status to answer with.
HRESULT ConvertArguments(InvokeKind rowKind, const ArgTypes& types, const DispParams& params,
                         CArguments& values);

// Hands a handler's result to the caller; a caller that gave no slot lets the
// result go here, so an object it did not ask for is released at once.
inline void DeliverResult(CVariant value, CVariant* result) noexcept
{
    if (result != nullptr)
        *result = std::move(value);
}

HRESULT AnswerServerError(const CServerError& error, ExcepInfo* excepInfo);

// Looks the call up in an object kind's table and runs the row's handler.
// Nothing is thrown across this function.
template <class TObject>
HRESULT InvokeFromTable(TObject& object, std::span<const DispatchRow<TObject>> table,
                        const InvokeCall& call)
{
    const DispatchRow<TObject>* row = nullptr;
    for (const DispatchRow<TObject>& candidate : table) {
        if (candidate.dispid == call.dispid && KindMatches(call.kind, candidate.kind)) {
            row = &candidate;
            break;
        }
    }
    if (row == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    try {
        CArguments values;
        const HRESULT status = ConvertArguments(row->kind, row->args, call.params, values);
        if (Failed(status))
            return status;
        DeliverResult((object.*(row->handler))(values), call.result);
        return S_OK;
    } catch (const CServerError& error) {
        return AnswerServerError(error, call.excepInfo);
    } catch (const CInvokeStatus& status) {
        return status.Status();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        return AnswerServerError(CServerError(ServerError::Unexpected, {error.what()}),
                                 call.excepInfo);
    }
}
