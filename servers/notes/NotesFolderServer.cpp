// SPDX-License-Identifier: MIT
#include "NotesFolderServer.h"

#include "NotesApplication.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

IDispatch* CNotesFolderServer::Create(const std::filesystem::path& folder)
{
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return nullptr;
    return new CNotesApplication(folder);
}

CProgIdRegistry::Factory CNotesFolderServer::Factory(std::filesystem::path folder)
{
    return [folder = std::move(folder)]() {
        return Create(folder);
    };
}

std::filesystem::path CNotesFolderServer::DefaultFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return std::filesystem::path(home) / "Notes";
    std::vector<char> buffer(16384);
    struct passwd entry = {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0')
        return std::filesystem::path(found->pw_dir) / "Notes";
    return {};
}

void RegisterNotesServer(const std::filesystem::path& folder)
{
    CProgIdRegistry::Instance().Register(CNotesFolderServer::ProgId,
                                         CNotesFolderServer::Factory(folder));
}
