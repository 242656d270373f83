// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Box types, with the values of the platform's message box so that stored
// expectations and the GUI agree on them.
enum MessageBoxType : unsigned
{
    MB_OK = 0x0,
    MB_ICONSTOP = 0x10,
    MB_ICONEXCLAMATION = 0x30,
    MB_SETFOREGROUND = 0x10000,
};

// Every message the user sees goes through here: the GUI shows a box, the
// command line writes a line, and tests record what was said.
class IUserMessages
{
public:
    virtual ~IUserMessages() = default;
    virtual void ShowMessage(const std::string& text, unsigned boxType) = 0;
};
