// SPDX-License-Identifier: MIT
#pragma once

#include "NotesObject.h"

#include <filesystem>

// The one namespace: it needs no logon, and its only default folder is the
// notes folder.
class CNotesNameSpace final : public CNotesObject
{
public:
    explicit CNotesNameSpace(std::filesystem::path folder);

protected:
    const std::vector<CNotesMember>& Members() const override;
    CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) override;

private:
    std::filesystem::path m_folder;
};
