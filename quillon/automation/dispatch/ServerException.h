// SPDX-License-Identifier: MIT
#pragma once

#include "AutomationException.h"
#include "Dispatch.h"

#include <cstdint>
#include <string>

// The server answered a call with an exception of its own.
class CServerException final : public CAutomationException
{
public:
    explicit CServerException(const ExcepInfo& info);

    // The server's description, shown as it stands, even when empty.
    std::string ErrorText() const override { return m_description; }

    const std::string& Description() const noexcept { return m_description; }
    const std::string& Source() const noexcept { return m_source; }
    std::uint32_t HelpContext() const noexcept { return m_helpContext; }
    HRESULT Code() const noexcept { return m_code; }

private:
    std::string m_description;
    std::string m_source;
    std::uint32_t m_helpContext;
    HRESULT m_code;
};
