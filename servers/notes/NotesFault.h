// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// A failure that the notes server answers with a server exception carrying
// this description. It is thrown only inside the server: Invoke turns it into
// DISP_E_EXCEPTION before the call returns.
class CNotesFault : public std::runtime_error
{
public:
    explicit CNotesFault(const std::string& description) : std::runtime_error(description) {}
};
