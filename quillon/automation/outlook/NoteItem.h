// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"

#include <string>

namespace Outlook {

// Dates are automation dates: days since 1899-12-30, the time of day as the
// fraction, in local time.
class NoteItem : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    std::string GetMessageClass() const;
    std::string GetSubject() const;
    double GetCreationTime() const;
    double GetLastModificationTime() const;
    std::string GetBody() const;
};

} // namespace Outlook
