// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Why a file cannot be saved at path because of the folder it names: the
// folder is missing or not a folder, or a folder stands at path itself. Empty
// when a save may go ahead. Both writers ask before they do any work, so the
// user is told about the folder rather than about a temporary file.
std::string TargetFolderProblem(const std::string& path);
