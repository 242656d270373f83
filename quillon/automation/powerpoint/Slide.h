// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Shapes.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Slide : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Shapes GetShapes() const;
};

} // namespace PowerPoint
