// SPDX-License-Identifier: MIT
#include "DispatchHolder.h"

#include "ProgIdRegistry.h"
#include "ServerException.h"
#include "StatusError.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The argument arrays of the calls in progress on this thread, one for each
// level of calls made from within a call. An array keeps its room between
// calls, so a call allocates no arrays of its own; its arguments are let go
// as soon as the call returns.
class CPooledParams
{
public:
    CPooledParams()
    {
        if (s_inUse == s_levels.size())
            s_levels.push_back(std::make_unique<DispParams>());
        m_params = s_levels[s_inUse++].get();
    }
    ~CPooledParams()
    {
        m_params->args.clear();
        m_params->namedArgs.clear();
        --s_inUse;
    }
    CPooledParams(const CPooledParams&) = delete;
    CPooledParams& operator=(const CPooledParams&) = delete;

    DispParams& Get() noexcept { return *m_params; }

private:
    static thread_local std::vector<std::unique_ptr<DispParams>> s_levels;
    static thread_local std::size_t s_inUse;

    DispParams* m_params;
};

thread_local std::vector<std::unique_ptr<DispParams>> CPooledParams::s_levels;
thread_local std::size_t CPooledParams::s_inUse = 0;

} // namespace

CDispatchHolder::CDispatchHolder(IDispatch* dispatch, bool autoRelease) noexcept
    : m_dispatch(dispatch), m_autoRelease(autoRelease)
{}

CDispatchHolder::CDispatchHolder(const CDispatchHolder& other) noexcept
    : m_dispatch(other.m_dispatch), m_autoRelease(true)
{
    if (m_dispatch != nullptr)
        m_dispatch->AddRef();
}

CDispatchHolder::CDispatchHolder(CDispatchHolder&& other) noexcept
    : m_dispatch(std::exchange(other.m_dispatch, nullptr)), m_autoRelease(other.m_autoRelease)
{}

CDispatchHolder& CDispatchHolder::operator=(const CDispatchHolder& other) noexcept
{
    if (this == &other)
        return *this;
    // The new reference is taken before the old one goes, so assigning a
    // holder of the same object never lets that object die in between.
    IDispatch* previous = m_dispatch;
    const bool releasePrevious = m_autoRelease;
    m_dispatch = other.m_dispatch;
    if (m_dispatch != nullptr)
        m_dispatch->AddRef();
    m_autoRelease = true;
    if (previous != nullptr && releasePrevious)
        previous->Release();
    return *this;
}

CDispatchHolder& CDispatchHolder::operator=(CDispatchHolder&& other) noexcept
{
    if (this != &other) {
        // A moved reference keeps its owner's release rule: it gains no count.
        AttachDispatch(std::exchange(other.m_dispatch, nullptr), other.m_autoRelease);
    }
    return *this;
}

CDispatchHolder::~CDispatchHolder()
{
    ReleaseDispatch();
}

bool CDispatchHolder::CreateDispatch(std::string_view progId)
{
    IDispatch* dispatch = nullptr;
    if (Failed(CProgIdRegistry::Instance().Create(progId, &dispatch)))
        return false;
    AttachDispatch(dispatch);
    return true;
}

void CDispatchHolder::AttachDispatch(IDispatch* dispatch, bool autoRelease) noexcept
{
    IDispatch* previous = std::exchange(m_dispatch, dispatch);
    const bool releasePrevious = std::exchange(m_autoRelease, autoRelease);
    if (previous != nullptr && releasePrevious)
        previous->Release();
}

IDispatch* CDispatchHolder::DetachDispatch() noexcept
{
    return std::exchange(m_dispatch, nullptr);
}

void CDispatchHolder::ReleaseDispatch() noexcept
{
    IDispatch* previous = std::exchange(m_dispatch, nullptr);
    if (previous != nullptr && m_autoRelease)
        previous->Release();
}

CVariant CDispatchHolder::Invoke(DISPID dispid, InvokeKind kind, VarType resultType,
                                 DispParams& params) const
{
    if (m_dispatch == nullptr)
        return {};
    CVariant result;
    ExcepInfo excepInfo;
    const HRESULT status = m_dispatch->Invoke(
        dispid, kind, params, resultType != VT_EMPTY ? &result : nullptr, &excepInfo);
    if (status == DISP_E_EXCEPTION)
        throw CServerException(excepInfo);
    if (Failed(status))
        throw CStatusError(status);
    if (resultType == VT_EMPTY)
        return {};
    // Most answers already have the asked type: hand them on without a copy.
    if (result.Type() == resultType)
        return result;
    std::optional<CVariant> converted = result.ChangeType(resultType);
    if (!converted)
        throw CStatusError(DISP_E_TYPEMISMATCH);
    return std::move(*converted);
}

CVariant CDispatchHolder::InvokeHelper(DISPID dispid, InvokeKind kind, VarType resultType,
                                       std::initializer_list<CVariant> args) const
{
    CPooledParams pooled;
    DispParams& params = pooled.Get();
    params.args.assign(std::rbegin(args), std::rend(args));
    if (kind == InvokeKind::PropertyPut)
        params.namedArgs.push_back(DISPID_PROPERTYPUT);
    return Invoke(dispid, kind, resultType, params);
}

CVariant CDispatchHolder::InvokeWith(DISPID dispid, InvokeKind kind, VarType resultType,
                                     CVariant argument) const
{
    CPooledParams pooled;
    DispParams& params = pooled.Get();
    params.args.push_back(std::move(argument));
    if (kind == InvokeKind::PropertyPut)
        params.namedArgs.push_back(DISPID_PROPERTYPUT);
    return Invoke(dispid, kind, resultType, params);
}

void CDispatchHolder::CallMethod(DISPID dispid, std::initializer_list<CVariant> args) const
{
    InvokeHelper(dispid, InvokeKind::Method, VT_EMPTY, args);
}

void CDispatchHolder::SetProperty(DISPID dispid, CVariant value) const
{
    InvokeWith(dispid, InvokeKind::PropertyPut, VT_EMPTY, std::move(value));
}

std::int32_t CDispatchHolder::GetI4(DISPID dispid, InvokeKind kind,
                                    std::initializer_list<CVariant> args) const
{
    const CVariant result = InvokeHelper(dispid, kind, VT_I4, args);
    return result.Type() == VT_I4 ? result.I4() : 0;
}

std::string CDispatchHolder::GetString(DISPID dispid) const
{
    const CVariant result = InvokeHelper(dispid, InvokeKind::PropertyGet, VT_BSTR);
    return result.Type() == VT_BSTR ? result.String() : std::string();
}

double CDispatchHolder::GetDate(DISPID dispid) const
{
    const CVariant result = InvokeHelper(dispid, InvokeKind::PropertyGet, VT_DATE);
    return result.Type() == VT_DATE ? result.Date() : 0.0;
}

IDispatch* CDispatchHolder::GetObject(DISPID dispid, InvokeKind kind,
                                      std::initializer_list<CVariant> args) const
{
    CVariant result = InvokeHelper(dispid, kind, VT_DISPATCH, args);
    return result.DetachDispatch();
}

IDispatch* CDispatchHolder::GetObjectWith(DISPID dispid, InvokeKind kind, CVariant argument) const
{
    CVariant result = InvokeWith(dispid, kind, VT_DISPATCH, std::move(argument));
    return result.DetachDispatch();
}
