// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <string>

// What becomes of the design template in a build. A design is carried only
// into a file of its own family: a .pot into a .ppt, a .potx into a .pptx.
// The shipped one is left out when it does not fit, as the command line
// does, so that the default options still give a file; one the user chose is
// refused before anything is built rather than dropped unseen or left to fail
// the save.
enum class TemplateForFormat
{
    AsChosen, // applied, or not asked for, as the options say
    LeftOut,  // the shipped template, not applied to a file of the other family
    Refused,  // a template of the user's that does not fit the saved format
};

TemplateForFormat FitTemplateToFormat(const PresentationOptions& options,
                                      const std::string& shippedTemplate);

// What the user is told when a template is refused for a file of format.
std::string TemplateRefusedText(const std::string& templateFile, PresentationFormat format);
