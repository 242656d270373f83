// SPDX-License-Identifier: MIT
#include "NotesItems.h"

#include "NoteFileItem.h"
#include "NotesFault.h"
#include "OutlookDispids.h"

#include <string>

CNotesItems::CNotesItems(std::vector<std::filesystem::path> notes) : m_notes(std::move(notes)) {}

const std::vector<CNotesMember>& CNotesItems::Members() const
{
    static const std::vector<CNotesMember> members{
        {OutlookDispid::ItemsCount, InvokeKind::PropertyGet, {}, 0},
        {OutlookDispid::ItemsItem, InvokeKind::Method, {VT_I4}, 1},
    };
    return members;
}

CVariant CNotesItems::Answer(const CNotesMember& member, const std::vector<CVariant>& args)
{
    const auto count = static_cast<std::int32_t>(m_notes.size());
    if (member.dispid == OutlookDispid::ItemsCount)
        return CVariant(count);
    const std::int32_t position = args[0].I4();
    if (position < 1 || position > count) {
        throw CNotesFault("There is no item at position " + std::to_string(position) +
                          "; the folder holds " + std::to_string(count) + ".");
    }
    const auto index = static_cast<std::size_t>(position - 1);
    return CVariant::TakeDispatch(new CNoteFileItem(CNoteFile(m_notes[index])));
}
