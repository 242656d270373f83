// SPDX-License-Identifier: MIT
#include "NameSpace.h"

#include "OutlookDispids.h"

namespace Outlook {

void NameSpace::Logon(const CVariant& profile, const CVariant& password, const CVariant& showDialog,
                      const CVariant& newSession) const
{
    CallMethod(OutlookDispid::NameSpaceLogon, {profile, password, showDialog, newSession});
}

MAPIFolder NameSpace::GetDefaultFolder(std::int32_t folderType) const
{
    return MAPIFolder(
        GetObject(OutlookDispid::NameSpaceGetDefaultFolder, InvokeKind::Method, {folderType}));
}

} // namespace Outlook
