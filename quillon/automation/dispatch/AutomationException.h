// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

// Base of the two automation errors. Nothing in the builder catches them; the
// front end around each user action does, and shows ErrorText() to the user.
class CAutomationException : public std::exception
{
public:
    // The text the user sees for this error.
    virtual std::string ErrorText() const = 0;
    const char* what() const noexcept override;

protected:
    void SetWhat(std::string text);

private:
    std::string m_what;
};
