// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

// A path cut at its last slash: the folder to open and the entry in it.
inline std::pair<std::string, std::string> FolderAndName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}
