// SPDX-License-Identifier: MIT
#include "StreamMessages.h"

#include "MessageText.h"

void CStreamMessages::ShowMessage(const std::string& text, unsigned boxType)
{
    const bool error = (boxType & (MB_SETFOREGROUND | MB_ICONSTOP)) != 0;
    if (m_quiet && !error)
        return;
    m_stream << ReadableMessage(m_label + ": " + text, MessageLayout::SingleLine) << '\n';
}
