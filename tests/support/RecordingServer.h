// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"
#include "DispatchObject.h"
#include "ProgIdRegistry.h"
#include "Variant.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

// One row per operation that a recording server knows: kind of object,
// member id, invoke kind, name, argument types in call order, and the kind of
// object the result is (empty: no object). Only the forms in the table are
// accepted, so a binding that uses a wrong id, kind or argument form is
// answered with the status a real server would give.
struct CRecordedOperation
{
    const char* objectKind;
    DISPID dispid;
    InvokeKind kind;
    const char* name;
    std::vector<VarType> argTypes;
    const char* resultKind;
};

// One call as the server saw it, for tests that check the exact forms.
struct CRecordedInvocation
{
    std::string objectKind;
    DISPID dispid;
    InvokeKind kind;
    std::vector<std::string> argTypes; // "I4", "BSTR", "ERROR", ... in call order
    bool propertyPutNamed;
};

// What a recording server remembers across all the objects it handed out.
// Servers with more to remember derive their state from it.
struct CRecordingLog
{
    explicit CRecordingLog(std::string exceptionSource) : source(std::move(exceptionSource)) {}
    virtual ~CRecordingLog() = default;

    std::string source; // names the server in the exceptions it raises
    bool startFails = false;
    int starts = 0;
    std::vector<std::string> calls;
    std::vector<CRecordedInvocation> invocations;
    // Recorded line -> (exception description, status).
    std::map<std::string, std::pair<std::string, HRESULT>> failures;
};

// An object of a recording server. It finds the call's row in the table,
// records it as a readable line, e.g. `Slide2.Shapes.Item("Rectangle 3")`,
// `Slide2.Rectangle 3.Paragraph.IndentLevel = 1` or `Item2.Subject`, checks
// the arguments and injects the failures the test asked for. Only then does
// the server's own object answer.
class CRecordingObject : public CDispatchObject
{
public:
    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) final;

protected:
    CRecordingObject(std::shared_ptr<CRecordingLog> log,
                     std::span<const CRecordedOperation> operations, std::string kind,
                     std::string label);

    // A call that passed every check; result is nullptr when the caller
    // wants none. Arguments stand in call order.
    virtual void Answer(const CRecordedOperation& operation, const std::vector<CVariant>& args,
                        CVariant* result) = 0;

    const std::string& Kind() const { return m_kind; }
    // Where the object came from, the start of each line it records.
    const std::string& Label() const { return m_label; }

private:
    const CRecordedOperation* Find(DISPID dispid, InvokeKind kind) const;
    void Record(const CRecordedOperation& operation, const std::vector<CVariant>& args,
                const DispParams& params);
    HRESULT InjectedFailure(ExcepInfo* excepInfo) const;

    std::shared_ptr<CRecordingLog> m_log;
    std::span<const CRecordedOperation> m_operations;
    std::string m_kind;
    std::string m_label;
};

// The part of a recording server that tests drive: registers it under its
// ProgID for the server's lifetime, lets its start fail, injects failures
// and reads back what was called.
class CRecordingServerBase
{
public:
    using Invocation = CRecordedInvocation;
    // Makes the application object of a started server from its log.
    using ApplicationFactory = std::function<IDispatch*(const std::shared_ptr<CRecordingLog>&)>;

    CRecordingServerBase(const CRecordingServerBase&) = delete;
    CRecordingServerBase& operator=(const CRecordingServerBase&) = delete;

    // The server creation fails, as when the application is not installed.
    void SetStartFails(bool fails);
    // The call recorded as `line` raises a server exception with this
    // description (or fails with a plain status when status is not
    // DISP_E_EXCEPTION).
    void FailOn(std::string line, std::string description, HRESULT status = DISP_E_EXCEPTION);

    const std::vector<std::string>& Calls() const;
    const std::vector<Invocation>& Invocations() const;
    void ClearCalls();

protected:
    CRecordingServerBase(std::shared_ptr<CRecordingLog> log, std::string progId,
                         ApplicationFactory application);
    ~CRecordingServerBase();

    int Starts() const;
    CRecordingLog& Log() const { return *m_log; }

private:
    std::shared_ptr<CRecordingLog> m_log;
    CProgIdRegistration m_registration;
};
