// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "TextFrame.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Shape : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    TextFrame GetTextFrame() const;
};

} // namespace PowerPoint
