// SPDX-License-Identifier: MIT
#include "AutomationException.h"

const char* CAutomationException::what() const noexcept
{
    return m_what.c_str();
}

void CAutomationException::SetWhat(std::string text)
{
    m_what = std::move(text);
}
