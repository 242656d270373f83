// SPDX-License-Identifier: MIT
#include "Presentations.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

Presentation Presentations::Add(std::int32_t withWindow) const
{
    return Presentation(
        GetObject(PowerPointDispid::PresentationsAdd, InvokeKind::Method, {withWindow}));
}

} // namespace PowerPoint
