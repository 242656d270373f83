// SPDX-License-Identifier: MIT
#include "Shapes.h"

#include "PowerPointDispids.h"

#include <utility>

namespace PowerPoint {

Shape Shapes::Item(CVariant index) const
{
    return Shape(GetObjectWith(PowerPointDispid::ShapesItem, InvokeKind::Method, std::move(index)));
}

} // namespace PowerPoint
