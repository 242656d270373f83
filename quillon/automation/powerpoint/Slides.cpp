// SPDX-License-Identifier: MIT
#include "Slides.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

std::int32_t Slides::GetCount() const
{
    return GetI4(PowerPointDispid::SlidesCount, InvokeKind::PropertyGet);
}

Slide Slides::Add(std::int32_t index, std::int32_t layout) const
{
    return Slide(GetObject(PowerPointDispid::SlidesAdd, InvokeKind::Method, {index, layout}));
}

} // namespace PowerPoint
