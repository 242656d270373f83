// SPDX-License-Identifier: MIT
#pragma once

#include "Clipboard.h"

class QClipboard;

// The application's clipboard through Qt. Plain text on offer counts as both
// text formats, as the platform offers the OEM form of any text; without a
// GUI application there is no clipboard service, and Open fails.
class CQtClipboard final : public IClipboard
{
public:
    bool Open() override;
    void Close() noexcept override;
    bool IsFormatAvailable(ClipboardFormat format) const override;
    std::optional<std::string> GetData(ClipboardFormat format) const override;

private:
    QClipboard* m_clipboard = nullptr;
};
