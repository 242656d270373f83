// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchObject.h"
#include "Variant.h"

#include <cstddef>
#include <vector>

// How one member of an object must be called: its id, its invoke kind and the
// types of its arguments in their natural order. Arguments past requiredArgs
// are optional: the caller may leave them out or pass them as missing.
struct CNotesMember
{
    DISPID dispid;
    InvokeKind kind;
    std::vector<VarType> argTypes;
    std::size_t requiredArgs;
};

// Base of the notes server's objects. Every call is checked against the
// object's member table first, so an object's own code sees only well-formed
// calls; what it throws becomes the call's status here and never escapes.
class CNotesObject : public CDispatchObject
{
public:
    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) final;

    // The status a call earns against a member table, S_OK when it may go on;
    // *found then points at the matching member.
    static HRESULT CheckCall(const std::vector<CNotesMember>& members, DISPID dispid,
                             InvokeKind kind, const DispParams& params, const CNotesMember** found);

protected:
    virtual const std::vector<CNotesMember>& Members() const = 0;
    // The answer to a checked call; args in their natural order. Throws
    // CNotesFault for a failure the caller should read about.
    virtual CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) = 0;
};
