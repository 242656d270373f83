// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "MAPIFolder.h"

#include <cstdint>

namespace Outlook {

class NameSpace : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    // Each argument is a value of its own type or CVariant::Missing().
    void Logon(const CVariant& profile, const CVariant& password, const CVariant& showDialog,
               const CVariant& newSession) const;
    MAPIFolder GetDefaultFolder(std::int32_t folderType) const;
};

} // namespace Outlook
