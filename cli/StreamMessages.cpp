#include "StreamMessages.h"

#include <algorithm>

std::string SingleLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

void CStreamMessages::ShowMessage(const std::string& text, unsigned boxType)
{
    const bool error = (boxType & (MB_SETFOREGROUND | MB_ICONSTOP)) != 0;
    if (m_quiet && !error)
        return;
    m_stream << m_label << ": " << SingleLine(text) << '\n';
}
