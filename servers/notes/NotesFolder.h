// SPDX-License-Identifier: MIT
#pragma once

#include "NotesObject.h"

#include <filesystem>

// The Notes folder: the folder of note files on disk.
class CNotesFolder final : public CNotesObject
{
public:
    explicit CNotesFolder(std::filesystem::path folder);

protected:
    const std::vector<CNotesMember>& Members() const override;
    CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) override;

private:
    std::filesystem::path m_folder;
};
