// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <string>

// The shipped design, once per file format (quillon.pot and quillon.potx,
// made from one description); a path is empty when that one was not found.
struct ShippedTemplates
{
    std::string pot;
    std::string potx;

    const std::string& For(PresentationFormat format) const
    {
        return format == PresentationFormat::Pptx ? potx : pot;
    }
    bool Holds(const std::string& file) const
    {
        return !file.empty() && (file == pot || file == potx);
    }
};

// What becomes of the design template in a build. The shipped design is one
// design in both formats: whichever of its files the options name, a build
// applies the one of the format it writes, so that the default options give
// a designed file in either format. A template of the user's made for the
// other format is refused before anything is built, rather than left to
// fail the build or dropped unseen.
enum class TemplateForFormat
{
    AsChosen, // applied, or not asked for, as the options say
    Shipped,  // the shipped design in the format written: file
    LeftOut,  // the shipped design, which is not there in the format written
    Refused,  // a template of the user's made for the other format
};

struct TemplateChoice
{
    TemplateForFormat kind = TemplateForFormat::AsChosen;
    std::string file; // for Shipped: the template to apply instead
};

// A presentation that is not saved has no format of its own: it gets the
// shipped design as a .ppt does, as before the format could be chosen, and
// any template of the user's (the server shows it in a copy of the design's
// own format).
TemplateChoice FitTemplateToFormat(const PresentationOptions& options,
                                   const ShippedTemplates& shipped);

// What the user is told when a template is refused for a presentation saved
// in format.
std::string TemplateRefusedText(const std::string& templateFile, PresentationFormat format);
