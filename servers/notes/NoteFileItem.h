// SPDX-License-Identifier: MIT
#pragma once

#include "NoteFile.h"
#include "NotesObject.h"

// A note item over one note file. Subject and message class come from the
// name; Body and the two times are read from the file at each request.
class CNoteFileItem final : public CNotesObject
{
public:
    explicit CNoteFileItem(CNoteFile file);

protected:
    const std::vector<CNotesMember>& Members() const override;
    CVariant Answer(const CNotesMember& member, const std::vector<CVariant>& args) override;

private:
    CNoteFile m_file;
};
