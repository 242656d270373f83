#pragma once

#include "Dispatch.h"
#include "ProgIdRegistry.h"

#include <memory>
#include <string>
#include <vector>

// A stand-in for the mail application under its ProgID that records every
// call and answers from a list of folder items the test writes. It knows the
// object model as a table of (object kind, member id, invoke kind, argument
// types) in exactly the forms the notes source must use, so a wrong id, kind
// or argument form is answered with the status a real server would give.
//
// Calls are recorded as readable lines, e.g. `Application.GetNamespace("MAPI")`,
// `NameSpace.Logon(missing, missing, missing, missing)`, `Items.Item(2)`,
// `Item2.Subject`. Item properties are read from the list at each call, so a
// test can change a note after it was listed.
class CRecordingOutlookServer
{
public:
    struct Note
    {
        std::string messageClass = "IPM.StickyNote";
        std::string subject;
        double creationTime = 0.0;
        double lastModificationTime = 0.0;
        std::string body;
    };

    struct Invocation
    {
        std::string objectKind;
        DISPID dispid;
        InvokeKind kind;
        std::vector<std::string> argTypes; // "I4", "BSTR", "ERROR", ... in call order
    };

    explicit CRecordingOutlookServer(std::vector<Note> notes = {});
    ~CRecordingOutlookServer();
    CRecordingOutlookServer(const CRecordingOutlookServer&) = delete;
    CRecordingOutlookServer& operator=(const CRecordingOutlookServer&) = delete;

    // The server creation fails, as when the application is not installed.
    void SetStartFails(bool fails);
    // The call recorded as `line` raises a server exception with this
    // description (or fails with a plain status when status is not
    // DISP_E_EXCEPTION).
    void FailOn(std::string line, std::string description, HRESULT status = DISP_E_EXCEPTION);
    // The folder item at a 1-based position, to change after listing.
    Note& NoteAt(int position);

    const std::vector<std::string>& Calls() const;
    const std::vector<Invocation>& Invocations() const;
    void ClearCalls();

    struct State;

private:
    std::shared_ptr<State> m_state;
    CProgIdRegistration m_registration;
};
