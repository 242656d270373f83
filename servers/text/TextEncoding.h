// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// UTF-8 (the document model) to UTF-16 (the file) and back. Characters outside
// the Basic Multilingual Plane become surrogate pairs, so nothing is lost; a
// malformed byte sequence becomes U+FFFD rather than vanishing silently.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
