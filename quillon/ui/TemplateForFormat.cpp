// SPDX-License-Identifier: MIT
#include "TemplateForFormat.h"

TemplateForFormat FitTemplateToFormat(const PresentationOptions& options,
                                      const std::string& shippedTemplate)
{
    // Unsaved, the presentation is only shown: any design serves.
    if (options.m_format != PresentationFormat::Pptx || options.m_save == 0 ||
        options.m_template == 0)
        return TemplateForFormat::AsChosen;
    return options.m_templateFile == shippedTemplate ? TemplateForFormat::LeftOut
                                                     : TemplateForFormat::Refused;
}

std::string TemplateRefusedText(const std::string& templateFile)
{
    return "The design template \"" + templateFile +
           "\" cannot be applied to a PowerPoint (*.pptx) presentation yet.\n\nIn Options, "
           "save as PowerPoint 97-2003 (*.ppt), or turn off Apply template.";
}
