// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The desktop's open action as a program that goes on working needs it: the
// file is handed over at once, and a failed launch reaches the user once,
// now or a moment later, in the text the caller gives.
class IDesktopOpenAction
{
public:
    virtual ~IDesktopOpenAction() = default;
    virtual void Open(const std::string& path, const std::string& failureText) noexcept = 0;
};
