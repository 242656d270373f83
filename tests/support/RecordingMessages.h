// SPDX-License-Identifier: MIT
#pragma once

#include "UserMessages.h"

#include <string>
#include <vector>

// Remembers every message instead of showing it.
class CRecordingMessages final : public IUserMessages
{
public:
    struct Message
    {
        std::string text;
        unsigned boxType;
        bool operator==(const Message&) const = default;
    };

    void ShowMessage(const std::string& text, unsigned boxType) override
    {
        m_messages.push_back({text, boxType});
    }

    const std::vector<Message>& Messages() const noexcept { return m_messages; }

private:
    std::vector<Message> m_messages;
};
