// SPDX-License-Identifier: MIT
#include "NotesFolder.h"

#include "NoteFile.h"
#include "NotesItems.h"
#include "OutlookDispids.h"

CNotesFolder::CNotesFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {}

const std::vector<CNotesMember>& CNotesFolder::Members() const
{
    static const std::vector<CNotesMember> members{
        {OutlookDispid::MAPIFolderItems, InvokeKind::PropertyGet, {}, 0},
    };
    return members;
}

CVariant CNotesFolder::Answer(const CNotesMember&, const std::vector<CVariant>&)
{
    return CVariant::TakeDispatch(new CNotesItems(CNoteFile::ListFolder(m_folder)));
}
