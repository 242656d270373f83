// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchHolder.h"

#include <cstdint>
#include <string>

namespace PowerPoint {

class TextRange : public CDispatchHolder
{
public:
    using CDispatchHolder::CDispatchHolder;

    void SetText(const std::string& text) const;
    TextRange InsertAfter(const std::string& newText) const;
    TextRange Paragraphs(std::int32_t start, std::int32_t length) const;
    void SetIndentLevel(std::int32_t level) const;
};

} // namespace PowerPoint
