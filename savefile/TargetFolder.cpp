// SPDX-License-Identifier: MIT
#include "TargetFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string TargetFolderProblem(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return "the folder \"" + folder + "\" does not exist";
    if (error)
        return error.message();
    if (!fs::is_directory(status))
        return "\"" + folder + "\" is not a folder";
    if (fs::is_directory(fs::status(path, error)))
        return "a folder of that name exists";
    return {};
}
