// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "NameSpace.h"

#include <string>

namespace Outlook {

class Application : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    NameSpace GetNamespace(const std::string& type) const;
};

} // namespace Outlook
