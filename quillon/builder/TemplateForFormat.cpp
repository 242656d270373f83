// SPDX-License-Identifier: MIT
#include "TemplateForFormat.h"

#include "TemplateFamily.h"

TemplateChoice FitTemplateToFormat(const PresentationOptions& options,
                                   const ShippedTemplates& shipped)
{
    if (options.m_template == 0)
        return {};
    const bool saved = options.m_save != 0;
    const PresentationFormat written = saved ? options.m_format : PresentationFormat::Ppt;
    if (shipped.Holds(options.m_templateFile)) {
        const std::string& own = shipped.For(written);
        if (own.empty())
            return {TemplateForFormat::LeftOut, {}};
        return {TemplateForFormat::Shipped, own};
    }
    // No name at all is a template that cannot be found, and is said so.
    if (saved && !options.m_templateFile.empty() &&
        TemplateFormatOf(options.m_templateFile) != written)
        return {TemplateForFormat::Refused, {}};
    return {};
}

std::string TemplateRefusedText(const std::string& templateFile, PresentationFormat format)
{
    const bool pptx = format == PresentationFormat::Pptx;
    const char* const written = pptx ? "PowerPoint (*.pptx)" : "PowerPoint 97-2003 (*.ppt)";
    const char* const other = pptx ? "PowerPoint 97-2003 (*.ppt)" : "PowerPoint (*.pptx)";
    const char* const fitting = pptx ? "a PowerPoint design template (*.potx)"
                                     : "a PowerPoint 97-2003 design template (*.pot)";
    return "The design template \"" + templateFile + "\" is made for " + other +
           " presentations and cannot be applied to a " + written +
           " presentation.\n\nIn Options, "
           "choose " +
           fitting + ", save as " + other + ", or turn off Apply template.";
}
