// SPDX-License-Identifier: MIT
#pragma once

#include "NotesObject.h"

#include <filesystem>
#include <vector>

// The folder's items as they were when the collection was asked for: later
// changes to the folder show in the next collection, so positions 1 to Count
// stay valid while one collection is walked.
class CNotesItems final : public CNotesObject
{
public:
    explicit CNotesItems(std::vector<std::filesystem::path> notes);

protected:
    const std::vector<CNotesMember>& Members() const override;
    CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) override;

private:
    std::vector<std::filesystem::path> m_notes;
};
