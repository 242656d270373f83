// SPDX-License-Identifier: MIT
#include "MAPIFolder.h"

#include "OutlookDispids.h"

namespace Outlook {

Items MAPIFolder::GetItems() const
{
    return Items(GetObject(OutlookDispid::MAPIFolderItems, InvokeKind::PropertyGet));
}

} // namespace Outlook
