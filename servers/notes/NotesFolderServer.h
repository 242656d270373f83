// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"
#include "ProgIdRegistry.h"

#include <filesystem>

// The embedded notes server: the mail application's object model, as far as
// the notes listing uses it, over a folder of plain-text notes. Each .txt or
// .md file of the folder is one note (Subject: the file name without its
// extension; Body: its text; CreationTime: its birth time where the file
// system keeps one, else its modification time; LastModificationTime: its
// modification time; MessageClass "IPM.StickyNote").
class CNotesFolderServer
{
public:
    static constexpr const char* ProgId = "Outlook.Application";

    // A new reference to the application object over the folder, or nullptr
    // when the folder does not exist: a missing folder is a missing server.
    static IDispatch* Create(const std::filesystem::path& folder);
    // A factory that looks for the folder each time a client starts the server.
    static CProgIdRegistry::Factory Factory(std::filesystem::path folder);
    // "Notes" in the user's home folder; empty when there is no home folder.
    static std::filesystem::path DefaultFolder();
};

// For the composition roots: the notes server answers to its ProgID from now on.
void RegisterNotesServer(const std::filesystem::path& folder = CNotesFolderServer::DefaultFolder());
