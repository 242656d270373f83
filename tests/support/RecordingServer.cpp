// SPDX-License-Identifier: MIT
#include "RecordingServer.h"

namespace {

const char* TypeName(VarType type)
{
    switch (type) {
    case VT_I4:
        return "I4";
    case VT_BSTR:
        return "BSTR";
    case VT_DATE:
        return "DATE";
    case VT_DISPATCH:
        return "DISPATCH";
    case VT_ERROR:
        return "ERROR";
    case VT_BOOL:
        return "BOOL";
    case VT_EMPTY:
        break;
    }
    return "EMPTY";
}

std::string ArgumentText(const CVariant& value)
{
    return value.Type() == VT_I4 ? std::to_string(value.I4()) : DescribeVariant(value);
}

bool HasPropertyPutName(const DispParams& params)
{
    return !params.namedArgs.empty() && params.namedArgs[0] == DISPID_PROPERTYPUT;
}

} // namespace

CRecordingObject::CRecordingObject(std::shared_ptr<CRecordingLog> log,
                                   std::span<const CRecordedOperation> operations, std::string kind,
                                   std::string label)
    : m_log(std::move(log)), m_operations(operations), m_kind(std::move(kind)),
      m_label(std::move(label))
{}

HRESULT CRecordingObject::Invoke(DISPID dispid, InvokeKind kind, DispParams& params,
                                 CVariant* result, ExcepInfo* excepInfo)
{
    const CRecordedOperation* operation = Find(dispid, kind);
    if (operation == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    // Recorded before the checks, so a test sees the form a wrong call took.
    const std::vector<CVariant> args(params.args.rbegin(), params.args.rend());
    Record(*operation, args, params);
    if (args.size() != operation->argTypes.size())
        return DISP_E_BADPARAMCOUNT;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].Type() != operation->argTypes[i])
            return DISP_E_TYPEMISMATCH;
    }
    if (kind == InvokeKind::PropertyPut &&
        (params.namedArgs.size() != 1 || params.namedArgs[0] != DISPID_PROPERTYPUT))
        return DISP_E_PARAMNOTFOUND;
    if (const HRESULT failure = InjectedFailure(excepInfo); failure != S_OK)
        return failure;
    Answer(*operation, args, result);
    return S_OK;
}

const CRecordedOperation* CRecordingObject::Find(DISPID dispid, InvokeKind kind) const
{
    for (const CRecordedOperation& operation : m_operations) {
        if (m_kind == operation.objectKind && operation.dispid == dispid && operation.kind == kind)
            return &operation;
    }
    return nullptr;
}

void CRecordingObject::Record(const CRecordedOperation& operation,
                              const std::vector<CVariant>& args, const DispParams& params)
{
    std::string line = m_label + "." + operation.name;
    CRecordedInvocation invocation{
        m_kind, operation.dispid, operation.kind, {}, HasPropertyPutName(params)};
    for (const CVariant& arg : args)
        invocation.argTypes.emplace_back(TypeName(arg.Type()));
    if (operation.kind == InvokeKind::PropertyPut && args.size() == 1) {
        line += " = " + ArgumentText(args[0]);
    } else if (operation.kind == InvokeKind::Method) {
        line += "(";
        for (std::size_t i = 0; i < args.size(); ++i)
            line += (i == 0 ? "" : ", ") + ArgumentText(args[i]);
        line += ")";
    }
    m_log->calls.push_back(std::move(line));
    m_log->invocations.push_back(std::move(invocation));
}

HRESULT CRecordingObject::InjectedFailure(ExcepInfo* excepInfo) const
{
    const auto failure = m_log->failures.find(m_log->calls.back());
    if (failure == m_log->failures.end())
        return S_OK;
    const auto& [description, status] = failure->second;
    if (status != DISP_E_EXCEPTION)
        return status;
    excepInfo->source = m_log->source;
    excepInfo->description = description;
    excepInfo->scode = E_FAIL;
    return DISP_E_EXCEPTION;
}

CRecordingServerBase::CRecordingServerBase(std::shared_ptr<CRecordingLog> log, std::string progId,
                                           ApplicationFactory application)
    : m_log(std::move(log)),
      m_registration(std::move(progId),
                     [state = m_log, application = std::move(application)]() -> IDispatch* {
                         if (state->startFails)
                             return nullptr;
                         ++state->starts;
                         return application(state);
                     })
{}

CRecordingServerBase::~CRecordingServerBase() = default;

void CRecordingServerBase::SetStartFails(bool fails)
{
    m_log->startFails = fails;
}

void CRecordingServerBase::FailOn(std::string line, std::string description, HRESULT status)
{
    m_log->failures[std::move(line)] = {std::move(description), status};
}

const std::vector<std::string>& CRecordingServerBase::Calls() const
{
    return m_log->calls;
}

const std::vector<CRecordingServerBase::Invocation>& CRecordingServerBase::Invocations() const
{
    return m_log->invocations;
}

void CRecordingServerBase::ClearCalls()
{
    m_log->calls.clear();
    m_log->invocations.clear();
}

int CRecordingServerBase::Starts() const
{
    return m_log->starts;
}
