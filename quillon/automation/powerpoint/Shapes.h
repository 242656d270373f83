// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Shape.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Shapes : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Shape Item(CVariant index) const;
};

} // namespace PowerPoint
