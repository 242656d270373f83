// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Clipboard formats, with the platform's numbers.
enum ClipboardFormat : unsigned
{
    CF_TEXT = 1,
    CF_OEMTEXT = 7,
};

// The system clipboard as the clipboard note source uses it, behind a seam so
// that tests say what it holds and see that it is always closed again.
class IClipboard
{
public:
    virtual ~IClipboard() = default;

    // False when the clipboard cannot be had: another holder, or no service.
    virtual bool Open() = 0;
    virtual void Close() noexcept = 0;
    // Only between Open and Close.
    virtual bool IsFormatAvailable(ClipboardFormat format) const = 0;
    // The data of the format, or nothing when the clipboard has none after
    // all; text comes as UTF-8. Only between Open and Close.
    virtual std::optional<std::string> GetData(ClipboardFormat format) const = 0;
};
