// SPDX-License-Identifier: MIT
#include "TemplateForFormat.h"

#include "TemplateFamily.h"

TemplateForFormat FitTemplateToFormat(const PresentationOptions& options,
                                      const std::string& shippedTemplate)
{
    // Unsaved, the presentation is only shown, in a file of the design's own family.
    if (options.m_save == 0 || options.m_template == 0 ||
        TemplateFormatOf(options.m_templateFile) == options.m_format)
        return TemplateForFormat::AsChosen;
    return options.m_templateFile == shippedTemplate ? TemplateForFormat::LeftOut
                                                     : TemplateForFormat::Refused;
}

std::string TemplateRefusedText(const std::string& templateFile, PresentationFormat format)
{
    if (format == PresentationFormat::Pptx)
        return "The design template \"" + templateFile +
               "\" is a PowerPoint 97-2003 template, which cannot be applied to a PowerPoint "
               "(*.pptx) presentation.\n\nIn Options, choose a .potx template, save as "
               "PowerPoint 97-2003 (*.ppt), or turn off Apply template.";
    return "The design template \"" + templateFile +
           "\" is a PowerPoint (.potx) template, which cannot be applied to a PowerPoint 97-2003 "
           "(*.ppt) presentation.\n\nIn Options, choose a .pot template, save as PowerPoint "
           "(*.pptx), or turn off Apply template.";
}
