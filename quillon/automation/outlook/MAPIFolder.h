// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Items.h"

namespace Outlook {

class MAPIFolder : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Items GetItems() const;
};

} // namespace Outlook
