// SPDX-License-Identifier: MIT
#pragma once

#include "UserMessages.h"

#include <ostream>
#include <string>

// Messages as lines on a stream, each led by the note it concerns and made
// safe for a terminal (see ReadableMessage). Quiet keeps only the errors:
// what the GUI would bring to the foreground or show with the stop icon.
class CStreamMessages final : public IUserMessages
{
public:
    CStreamMessages(std::ostream& stream, std::string label, bool quiet)
        : m_stream(stream), m_label(std::move(label)), m_quiet(quiet)
    {}

    void ShowMessage(const std::string& text, unsigned boxType) override;

private:
    std::ostream& m_stream;
    std::string m_label;
    bool m_quiet;
};
