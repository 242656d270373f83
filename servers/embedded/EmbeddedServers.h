#pragma once

#include <filesystem>
#include <memory>

class CProgIdRegistration;

// Puts our own servers into the ProgID table under the names the programs
// start them by, for as long as the object lives: the presentation server,
// and the notes server over a folder of notes.
class CEmbeddedServers
{
public:
    // notesFolder: where the notes server finds its notes; empty: the
    // user's own notes folder.
    explicit CEmbeddedServers(std::filesystem::path notesFolder = {});
    ~CEmbeddedServers();
    CEmbeddedServers(const CEmbeddedServers&) = delete;
    CEmbeddedServers& operator=(const CEmbeddedServers&) = delete;

private:
    std::unique_ptr<CProgIdRegistration> m_presentationServer;
    std::unique_ptr<CProgIdRegistration> m_notesServer;
};
