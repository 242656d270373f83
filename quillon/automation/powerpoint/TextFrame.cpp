// SPDX-License-Identifier: MIT
#include "TextFrame.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

TextRange TextFrame::GetTextRange() const
{
    return TextRange(GetObject(PowerPointDispid::TextFrameTextRange, InvokeKind::PropertyGet));
}

} // namespace PowerPoint
