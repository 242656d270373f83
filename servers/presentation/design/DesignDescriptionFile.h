// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"

#include <istream>
#include <stdexcept>
#include <string>

// A description that cannot be read; the message names the file and line.
class CDesignDescriptionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads a design description kept as text, section by section:
//
//   [colours]  background, text, shadows, title, fills, accent, hyperlink,
//              followed-hyperlink, bullet = #RRGGBB
//   [fonts]    body, title = a font name
//   [title]    size = points, bold = yes | no
//   [body]     level1 ... level5 = points and a bullet character, "28 •"
//
// Lines starting with # are comments. A value left out keeps the writer's
// default; an unknown section or key is an error, so a misspelt one is not
// silently ignored. name is used in messages.
DesignDescription ReadDesignDescription(std::istream& in, const std::string& name);
