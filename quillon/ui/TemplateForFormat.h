// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <string>

// What becomes of the design template in a build. A .pot design cannot be
// carried into a .pptx yet: the shipped one is left out, as the command line
// does, so that the default options still give a file; one the user chose is
// refused before anything is built rather than dropped unseen or left to fail
// the save.
enum class TemplateForFormat
{
    AsChosen, // applied, or not asked for, as the options say
    LeftOut,  // the shipped template, not applied to a saved .pptx
    Refused,  // a template of the user's with a saved .pptx
};

TemplateForFormat FitTemplateToFormat(const PresentationOptions& options,
                                      const std::string& shippedTemplate);

// What the user is told when a template is refused.
std::string TemplateRefusedText(const std::string& templateFile);
