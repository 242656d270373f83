// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "TextRange.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class TextFrame : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    TextRange GetTextRange() const;
};

} // namespace PowerPoint
