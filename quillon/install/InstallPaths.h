// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Where the programs find the data they ship with (the default design
// template, the help pages), wherever they were started from: beside an
// installed program in ../share/quillon, or in the build tree.
std::filesystem::path ProgramDirectory();
std::optional<std::filesystem::path> FindDataFile(std::string_view relativePath);
