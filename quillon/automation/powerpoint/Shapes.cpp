// SPDX-License-Identifier: MIT
#include "Shapes.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

Shape Shapes::Item(const CVariant& index) const
{
    return Shape(GetObject(PowerPointDispid::ShapesItem, InvokeKind::Method, {index}));
}

} // namespace PowerPoint
