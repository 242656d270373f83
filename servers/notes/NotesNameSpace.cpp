// SPDX-License-Identifier: MIT
#include "NotesNameSpace.h"

#include "NotesFault.h"
#include "NotesFolder.h"
#include "OutlookDispids.h"

#include <string>

CNotesNameSpace::CNotesNameSpace(std::filesystem::path folder) : m_folder(std::move(folder)) {}

const std::vector<CNotesMember>& CNotesNameSpace::Members() const
{
    // Logon's Profile, Password, ShowDialog and NewSession are all optional.
    static const std::vector<CNotesMember> members{
        {OutlookDispid::NameSpaceLogon,
         InvokeKind::Method,
         {VT_BSTR, VT_BSTR, VT_BOOL, VT_BOOL},
         0},
        {OutlookDispid::NameSpaceGetDefaultFolder, InvokeKind::Method, {VT_I4}, 1},
    };
    return members;
}

CVariant CNotesNameSpace::Answer(const CNotesMember& member, const std::vector<CVariant>& args)
{
    if (member.dispid == OutlookDispid::NameSpaceLogon)
        return {};
    const std::int32_t folderType = args[0].I4();
    if (folderType != OutlookConstant::olFolderNotes) {
        throw CNotesFault("There is no default folder of type " + std::to_string(folderType) +
                          "; this server keeps only the Notes folder (type 12).");
    }
    return CVariant::TakeDispatch(new CNotesFolder(m_folder));
}
