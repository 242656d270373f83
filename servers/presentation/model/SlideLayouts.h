// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <cstddef>
#include <span>

// A placeholder that a new slide of some layout carries.
struct LayoutPlaceholder
{
    const char* name;
    PlaceholderKind kind;
};

// The most placeholders a slide of any of the layouts carries.
inline constexpr std::size_t kMaxLayoutPlaceholders = 3;

// The layouts this server makes: 1 (title), 2 (title and text), 3 (title
// and two columns of text).
bool IsSupportedLayout(int layout) noexcept;

// The placeholders of a new slide of a supported layout, in the order the
// Shapes collection holds them; empty for any other layout.
std::span<const LayoutPlaceholder> PlaceholdersOfLayout(int layout) noexcept;
