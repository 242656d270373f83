// SPDX-License-Identifier: MIT
#include "Items.h"

#include "OutlookDispids.h"

namespace Outlook {

std::int32_t Items::GetCount() const
{
    return GetI4(OutlookDispid::ItemsCount, InvokeKind::PropertyGet);
}

NoteItem Items::Item(const CVariant& index) const
{
    return NoteItem(GetObject(OutlookDispid::ItemsItem, InvokeKind::Method, {index}));
}

} // namespace Outlook
