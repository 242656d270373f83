// SPDX-License-Identifier: MIT
#include "MessageText.h"

#include <cstdio>

namespace {

// Bytes kept from each end of an over-long message: the start says what
// happened, the end says why and names the file.
constexpr std::size_t kHeadBytes = 480;
constexpr std::size_t kTailBytes = 240;

std::string Escape(const char* format, unsigned value)
{
    char escape[8] = {};
    std::snprintf(escape, sizeof escape, format, value);
    return escape;
}

std::string EscapeControls(std::string_view text, MessageLayout layout)
{
    std::string readable;
    readable.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lineBreak = byte == '\n' || byte == '\r';
        if (lineBreak && layout == MessageLayout::SingleLine) {
            readable += ' ';
        } else if ((byte < 0x20 && byte != '\t' && !lineBreak) || byte == 0x7F) {
            readable += Escape("\\x%02x", byte);
        } else if (byte == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // U+0080 to U+009F: the second set of control characters.
            readable += Escape("\\u%04x", static_cast<unsigned char>(text[++i]));
        } else {
            readable += static_cast<char>(byte);
        }
    }
    return readable;
}

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string ReadableMessage(std::string_view text, MessageLayout layout)
{
    // Escaping only lengthens: the cut is made first so that a huge text is
    // never copied whole.
    if (text.size() > kMaxMessageBytes) {
        std::size_t head = kHeadBytes;
        while (head > 0 && IsContinuation(text[head]))
            --head;
        std::size_t tail = text.size() - kTailBytes;
        while (tail < text.size() && IsContinuation(text[tail]))
            ++tail;
        const std::string left = std::to_string(tail - head);
        return EscapeControls(text.substr(0, head), layout) + "[... " + left +
               " bytes left out ...]" + EscapeControls(text.substr(tail), layout);
    }
    return EscapeControls(text, layout);
}
