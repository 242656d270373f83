// SPDX-License-Identifier: MIT
#include "Shape.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

TextFrame Shape::GetTextFrame() const
{
    return TextFrame(GetObject(PowerPointDispid::ShapeTextFrame, InvokeKind::PropertyGet));
}

} // namespace PowerPoint
