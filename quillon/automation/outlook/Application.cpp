// SPDX-License-Identifier: MIT
#include "Application.h"

#include "OutlookDispids.h"

namespace Outlook {

NameSpace Application::GetNamespace(const std::string& type) const
{
    return NameSpace(GetObject(OutlookDispid::ApplicationGetNamespace, InvokeKind::Method, {type}));
}

} // namespace Outlook
