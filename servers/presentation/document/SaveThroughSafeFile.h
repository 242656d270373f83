// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationFileWriter.h"
#include "SafeFile.h"
#include "TargetFolder.h"

#include <exception>
#include <string>

[[noreturn]] inline void FailSave(const std::string& path, const std::string& reason)
{
    throw CSaveError("Cannot save \"" + path + "\": " + reason + ".");
}

// How every file writer replaces a file, so that all of them keep the same
// promises: the folder is checked, and the safe file made, before any work,
// so a read-only target is refused first; write fills the safe file, which
// is put in place only once it is complete. Any failure is a CSaveError that
// names the path and the reason, and leaves the old file as it was.
template <typename WriteInto> void SaveThroughSafeFile(const std::string& path, WriteInto&& write)
{
    if (const std::string problem = TargetFolderProblem(path); !problem.empty())
        FailSave(path, problem);
    CSafeFile file(path);
    if (file.Descriptor() < 0)
        FailSave(path, file.Error());
    try {
        write(file);
    } catch (const CSaveError&) {
        throw;
    } catch (const std::exception& error) {
        FailSave(path, error.what());
    }
    if (!file.Commit())
        FailSave(path, file.Error());
}
