// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Presentations.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Application : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Presentations GetPresentations() const;
    void Quit() const;
    void Activate() const;
};

} // namespace PowerPoint
