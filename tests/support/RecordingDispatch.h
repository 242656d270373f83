#pragma once

#include "Dispatch.h"
#include "ProgIdRegistry.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A stand-in for the presentation application that records every call and
// answers with fresh objects. It knows the application's object model as a
// table of (object kind, member id, invoke kind, argument types), so a
// binding that uses a wrong id, kind or argument form is answered with the
// status a real server would give, and the test sees it.
//
// Calls are recorded as readable lines that name the object by where it came
// from, e.g. `Slide2.Rectangle 3.TextRange.InsertAfter("Results")` or
// `Slide2.Rectangle 3.Paragraph.IndentLevel = 1`.
class CRecordingServer
{
public:
    struct Invocation
    {
        std::string objectKind;
        DISPID dispid;
        InvokeKind kind;
        std::vector<std::string> argTypes; // "I4", "BSTR", ... in call order
        bool propertyPutNamed;
    };

    CRecordingServer();
    ~CRecordingServer();
    CRecordingServer(const CRecordingServer&) = delete;
    CRecordingServer& operator=(const CRecordingServer&) = delete;

    // The server creation fails, as when the application is not installed.
    void SetStartFails(bool fails);
    // The call recorded as `line` raises a server exception with this
    // description (or fails with a plain status when status is not
    // DISP_E_EXCEPTION).
    void FailOn(std::string line, std::string description, HRESULT status = DISP_E_EXCEPTION);

    const std::vector<std::string>& Calls() const;
    const std::vector<Invocation>& Invocations() const;
    int Starts() const;
    void ClearCalls();

    struct State;

private:
    std::shared_ptr<State> m_state;
    CProgIdRegistration m_registration;
};
