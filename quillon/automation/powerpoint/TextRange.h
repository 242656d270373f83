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

    // The text is handed to the server as it is: pass it moved when it is
    // not needed after the call.
    void SetText(std::string text) const;
    TextRange InsertAfter(std::string newText) const;
    TextRange Paragraphs(std::int32_t start, std::int32_t length) const;
    void SetIndentLevel(std::int32_t level) const;
};

} // namespace PowerPoint
