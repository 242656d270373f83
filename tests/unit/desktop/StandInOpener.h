// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/stat.h>

// Programs that stand in for xdg-open in a temporary folder: one that finds
// nothing to open the file with (xdg-open's exit status 3), and one that
// runs the viewer in the foreground for a while, noting its argument.
class CStandInOpeners
{
public:
    CStandInOpeners()
    {
        Script("failing", "exit 3\n");
        Script("viewer", "echo \"$1\" > \"$0.opened\"\nexec sleep 5\n");
        Script("quick", "exit 0\n");
    }

    std::string operator/(const std::string& name) const { return m_folder / name; }
    const std::filesystem::path& Folder() const { return m_folder.Path(); }

    // Makes a program of the folder: its file is name, its body the script.
    void Script(const std::string& name, const std::string& body) const
    {
        const auto path = m_folder.Write(name, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), 0755);
    }

private:
    CTempFolder m_folder;
};

inline double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
