// SPDX-License-Identifier: MIT
#include "NotesObject.h"

#include "NotesFault.h"

#include <new>

namespace {

constexpr const char* ExceptionSource = "Notes folder";

bool ArgumentFits(const CNotesMember& member, std::size_t position, const CVariant& arg)
{
    if (arg.Type() == member.argTypes[position])
        return true;
    return position >= member.requiredArgs && arg.IsMissing();
}

HRESULT Raise(ExcepInfo* excepInfo, const std::string& description)
{
    if (excepInfo != nullptr) {
        *excepInfo = ExcepInfo();
        excepInfo->source = ExceptionSource;
        excepInfo->description = description;
        excepInfo->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

} // namespace

HRESULT CNotesObject::CheckCall(const std::vector<CNotesMember>& members, DISPID dispid,
                                InvokeKind kind, const DispParams& params,
                                const CNotesMember** found)
{
    *found = nullptr;
    const CNotesMember* member = nullptr;
    for (const CNotesMember& candidate : members) {
        if (candidate.dispid == dispid && candidate.kind == kind)
            member = &candidate;
    }
    // A known id called with the wrong kind is as unknown as a wrong id.
    if (member == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    if (!params.namedArgs.empty())
        return DISP_E_PARAMNOTFOUND;
    const std::size_t count = params.args.size();
    if (count < member->requiredArgs || count > member->argTypes.size())
        return DISP_E_BADPARAMCOUNT;
    for (std::size_t position = 0; position < count; ++position) {
        // The argument array holds the last argument first.
        if (!ArgumentFits(*member, position, params.args[count - 1 - position]))
            return DISP_E_TYPEMISMATCH;
    }
    *found = member;
    return S_OK;
}

HRESULT CNotesObject::Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                             ExcepInfo* excepInfo)
{
    const CNotesMember* member = nullptr;
    const HRESULT status = CheckCall(Members(), dispid, kind, params, &member);
    if (Failed(status))
        return status;
    try {
        const std::vector<CVariant> args(params.args.rbegin(), params.args.rend());
        CVariant answer = Answer(*member, args);
        if (result != nullptr)
            *result = std::move(answer);
        return S_OK;
    } catch (const CNotesFault& fault) {
        return Raise(excepInfo, fault.what());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        return Raise(excepInfo, error.what());
    }
}
