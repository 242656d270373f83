// SPDX-License-Identifier: MIT
#pragma once

#include "RecordingServer.h"

#include <functional>
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
class CRecordingOutlookServer : public CRecordingServerBase
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

    explicit CRecordingOutlookServer(std::vector<Note> notes = {});
    ~CRecordingOutlookServer();
    // The folder item at a 1-based position, to change after listing.
    Note& NoteAt(int position);
    // Runs before every read of a note's property, with the note and the
    // property's name, so a test can change notes while they are read.
    void BeforeEachRead(std::function<void(Note&, const std::string&)> change);

    struct State;
};
