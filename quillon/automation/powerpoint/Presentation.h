// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"
#include "Slides.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class Presentation : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    Slides GetSlides() const;
    void ApplyTemplate(const std::string& fileName) const;
    void SaveAs(const std::string& fileName, std::int32_t fileFormat,
                std::int32_t embedTrueTypeFonts) const;
};

} // namespace PowerPoint
