// SPDX-License-Identifier: MIT
#pragma once

#include "Clipboard.h"
#include "UserMessages.h"

#include <optional>
#include <string>

// The note on the clipboard: its plain text up to the first zero byte, line
// breaks as they were copied. Nothing when the clipboard cannot be opened or
// holds no text (each said to the user), or when its text cannot be had
// after all (silently). The clipboard is closed again on every path.
std::optional<std::string> ReadClipboardNote(IClipboard& clipboard, IUserMessages& messages);
