// SPDX-License-Identifier: MIT
#include "Slide.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

Shapes Slide::GetShapes() const
{
    return Shapes(GetObject(PowerPointDispid::SlideShapes, InvokeKind::PropertyGet));
}

} // namespace PowerPoint
