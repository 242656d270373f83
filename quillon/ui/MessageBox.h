// SPDX-License-Identifier: MIT
#pragma once

#include "UserMessages.h"

class QWidget;

// Shows messages in modal boxes captioned with the program's name. A box
// that names no icon gets the warning icon.
class CMessageBox final : public IUserMessages
{
public:
    explicit CMessageBox(QWidget* owner = nullptr) : m_owner(owner) {}

    void SetOwner(QWidget* owner) noexcept { m_owner = owner; }
    void ShowMessage(const std::string& text, unsigned boxType) override;

private:
    QWidget* m_owner;
};
