// SPDX-License-Identifier: MIT
#include "NoteFileItem.h"

#include "OutlookDispids.h"

namespace {

constexpr const char* StickyNoteClass = "IPM.StickyNote";

} // namespace

CNoteFileItem::CNoteFileItem(CNoteFile file) : m_file(std::move(file)) {}

const std::vector<CNotesMember>& CNoteFileItem::Members() const
{
    using namespace OutlookDispid;
    static const std::vector<CNotesMember> members{
        {NoteItemMessageClass, InvokeKind::PropertyGet, {}, 0},
        {NoteItemSubject, InvokeKind::PropertyGet, {}, 0},
        {NoteItemCreationTime, InvokeKind::PropertyGet, {}, 0},
        {NoteItemLastModificationTime, InvokeKind::PropertyGet, {}, 0},
        {NoteItemBody, InvokeKind::PropertyGet, {}, 0},
    };
    return members;
}

CVariant CNoteFileItem::Answer(const CNotesMember& member, const std::vector<CVariant>&)
{
    switch (member.dispid) {
    case OutlookDispid::NoteItemMessageClass:
        return CVariant(StickyNoteClass);
    case OutlookDispid::NoteItemSubject:
        return CVariant(m_file.Subject());
    case OutlookDispid::NoteItemCreationTime:
        return CVariant::FromDate(m_file.ReadTimes().creation);
    case OutlookDispid::NoteItemLastModificationTime:
        return CVariant::FromDate(m_file.ReadTimes().modification);
    default:
        return CVariant(m_file.ReadText());
    }
}
