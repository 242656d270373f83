// SPDX-License-Identifier: MIT
#include "NoteItem.h"

#include "OutlookDispids.h"

namespace Outlook {

std::string NoteItem::GetMessageClass() const
{
    return GetString(OutlookDispid::NoteItemMessageClass);
}

std::string NoteItem::GetSubject() const
{
    return GetString(OutlookDispid::NoteItemSubject);
}

double NoteItem::GetCreationTime() const
{
    return GetDate(OutlookDispid::NoteItemCreationTime);
}

double NoteItem::GetLastModificationTime() const
{
    return GetDate(OutlookDispid::NoteItemLastModificationTime);
}

std::string NoteItem::GetBody() const
{
    return GetString(OutlookDispid::NoteItemBody);
}

} // namespace Outlook
