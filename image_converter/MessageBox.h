// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Tells the user something in a modal box with an OK button.
class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The box captioned with the application's name, which Qt takes from the
// program file's name, and with the warning icon that a box naming no icon
// of its own gets.
class CMessageBox final : public IMessageBox
{
public:
    static constexpr const char* kObjectName = "tavikMessage";

    void ShowMessage(const std::string& text) override;
};
