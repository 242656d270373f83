// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CProgIdRegistration;
class IPresentationViewer;

// Puts our own servers into the ProgID table under the names the programs
// start them by, for as long as the object lives: the presentation server,
// and the notes server over a folder of notes.
class CEmbeddedServers
{
public:
    using ViewingName = std::function<std::string()>;

    // notesFolder: where the notes server finds its notes; empty: the
    // user's own notes folder. viewer: what shows the presentations that a
    // visible application leaves open; none: nothing is shown. viewingName:
    // what the client calls the presentation it builds, which names the copy
    // an unsaved presentation is shown from.
    explicit CEmbeddedServers(std::filesystem::path notesFolder = {},
                              std::shared_ptr<IPresentationViewer> viewer = {},
                              ViewingName viewingName = {});
    ~CEmbeddedServers();
    CEmbeddedServers(const CEmbeddedServers&) = delete;
    CEmbeddedServers& operator=(const CEmbeddedServers&) = delete;

private:
    std::unique_ptr<CProgIdRegistration> m_presentationServer;
    std::unique_ptr<CProgIdRegistration> m_notesServer;
};
