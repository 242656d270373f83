// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Slide.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Slides : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    std::int32_t GetCount() const;
    Slide Add(std::int32_t index, std::int32_t layout) const;
};

} // namespace PowerPoint
