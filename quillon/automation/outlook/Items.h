// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "NoteItem.h"

#include <cstdint>

namespace Outlook {

class Items : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    std::int32_t GetCount() const;
    // index: a VT_I4 holding the 1-based position in the collection.
    NoteItem Item(const CVariant& index) const;
};

} // namespace Outlook
