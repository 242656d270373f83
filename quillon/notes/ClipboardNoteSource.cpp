// SPDX-License-Identifier: MIT
#include "ClipboardNoteSource.h"

#include <new>

namespace {

// Keeps the clipboard open for one scope: other programs cannot use it
// meanwhile, so every way out closes it.
class CClipboardSession
{
public:
    explicit CClipboardSession(IClipboard& clipboard) noexcept : m_clipboard(clipboard) {}
    ~CClipboardSession() { m_clipboard.Close(); }
    CClipboardSession(const CClipboardSession&) = delete;
    CClipboardSession& operator=(const CClipboardSession&) = delete;

private:
    IClipboard& m_clipboard;
};

std::optional<std::string> CopyClipboardText(IClipboard& clipboard, IUserMessages& messages)
{
    const CClipboardSession session(clipboard);
    if (!clipboard.IsFormatAvailable(CF_TEXT) || !clipboard.IsFormatAvailable(CF_OEMTEXT)) {
        messages.ShowMessage("Clipboard contents not in correct format.", MB_OK);
        return std::nullopt;
    }
    try {
        return clipboard.GetData(CF_TEXT);
    } catch (const std::bad_alloc&) {
        // No memory for the copy: the note is not read, and nothing is said.
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> ReadClipboardNote(IClipboard& clipboard, IUserMessages& messages)
{
    if (!clipboard.Open()) {
        messages.ShowMessage("Could not open the clipboard.", MB_OK);
        return std::nullopt;
    }
    std::optional<std::string> text = CopyClipboardText(clipboard, messages);
    if (text)
        text->resize(text->find('\0') == std::string::npos ? text->size() : text->find('\0'));
    return text;
}
