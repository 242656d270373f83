// SPDX-License-Identifier: MIT
#pragma once

#include "NotesObject.h"

#include <filesystem>

// The application object of the notes server: the way in to its one
// namespace.
class CNotesApplication final : public CNotesObject
{
public:
    explicit CNotesApplication(std::filesystem::path folder);

protected:
    const std::vector<CNotesMember>& Members() const override;
    CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) override;

private:
    std::filesystem::path m_folder;
};
