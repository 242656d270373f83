// SPDX-License-Identifier: MIT
#pragma once

#include "Clipboard.h"

#include <new>
#include <set>
#include <string>
#include <vector>

// A clipboard whose contents the test writes, and which logs every request
// so a test can see that it was closed again, and when.
class CFakeClipboard final : public IClipboard
{
public:
    bool canOpen = true;
    std::set<ClipboardFormat> formats{CF_TEXT, CF_OEMTEXT};
    std::optional<std::string> text = std::string();
    bool outOfMemory = false;
    std::vector<std::string>* log = nullptr; // shared with the messages, when set

    bool Open() override
    {
        Log("Open");
        m_open = canOpen;
        return canOpen;
    }
    void Close() noexcept override
    {
        Log("Close");
        m_open = false;
    }
    bool IsFormatAvailable(ClipboardFormat format) const override
    {
        Log("IsFormatAvailable " + std::to_string(format));
        return m_open && formats.count(format) != 0;
    }
    std::optional<std::string> GetData(ClipboardFormat format) const override
    {
        Log("GetData " + std::to_string(format));
        if (outOfMemory)
            throw std::bad_alloc();
        return m_open && format == CF_TEXT ? text : std::nullopt;
    }

    const std::vector<std::string>& Requests() const noexcept { return m_requests; }
    bool IsOpen() const noexcept { return m_open; }

private:
    void Log(const std::string& request) const
    {
        m_requests.push_back(request);
        if (log != nullptr)
            log->push_back(request);
    }

    bool m_open = false;
    mutable std::vector<std::string> m_requests;
};
