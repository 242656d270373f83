// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <string>

// Which kind of presentation file a design template can be applied to, as
// the presentation server tells them apart: by the file's first bytes (a
// compound file or a zip archive), or by its extension when they say
// neither (the file is missing, unreadable or damaged, which the server
// then reports in its own words).
PresentationFormat TemplateFormatOf(const std::string& templateFile);
