// SPDX-License-Identifier: MIT
#include "InstallPaths.h"

#include <system_error>

std::filesystem::path ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : program.parent_path();
}

std::optional<std::filesystem::path> FindDataFile(std::string_view relativePath)
{
    const std::filesystem::path program = ProgramDirectory();
    const std::filesystem::path candidates[] = {
        program / ".." / "share" / "quillon",
        QUILLON_BUILD_DATA_DIR,
        QUILLON_SOURCE_DATA_DIR,
    };
    for (const std::filesystem::path& folder : candidates) {
        std::error_code error;
        const std::filesystem::path file = folder / relativePath;
        if (std::filesystem::is_regular_file(file, error))
            return file.lexically_normal();
    }
    return std::nullopt;
}
