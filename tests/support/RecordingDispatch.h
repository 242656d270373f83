// SPDX-License-Identifier: MIT
#pragma once

#include "RecordingServer.h"

// A stand-in for the presentation application that records every call and
// answers with fresh objects. It knows the application's object model as a
// table of (object kind, member id, invoke kind, argument types), so a
// binding that uses a wrong id, kind or argument form is answered with the
// status a real server would give, and the test sees it.
//
// Calls are recorded as readable lines that name the object by where it came
// from, e.g. `Slide2.Rectangle 3.TextRange.InsertAfter("Results")` or
// `Slide2.Rectangle 3.Paragraph.IndentLevel = 1`.
class CRecordingServer : public CRecordingServerBase
{
public:
    CRecordingServer();
    ~CRecordingServer();

    using CRecordingServerBase::Starts;

    struct State;
};
