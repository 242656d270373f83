// SPDX-License-Identifier: MIT
#pragma once

#include "AutomationException.h"
#include "DispatchStatus.h"

#include <string>

// A call failed with a status code and no description of the server's own,
// or its result could not be converted to the expected type.
class CStatusError final : public CAutomationException
{
public:
    explicit CStatusError(HRESULT code);

    // The system's text for the code, or the generic text when it has none.
    std::string ErrorText() const override;

    HRESULT Code() const noexcept { return m_code; }

private:
    HRESULT m_code;
};

// The system's message for a status code; empty when it has none.
std::string StatusMessageText(HRESULT code);
