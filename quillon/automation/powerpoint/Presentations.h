// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Presentation.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Presentations : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Presentation Add(std::int32_t withWindow) const;
};

} // namespace PowerPoint
