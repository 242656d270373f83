// The end of a build: template, save and close, in that order.
#include "PowerPointDispids.h"
#include "PresentationBuilder.h"

#include <string>

using namespace PowerPointConstant;

void CPresentationBuilder::FinishBuild(const PowerPoint::Presentation& presentation,
                                       const std::string& outputFileName)
{
    if (m_options.m_template != 0)
        ApplyTemplateStep(presentation);
    // Without a presentation there is nothing to save, so no message may
    // claim that something was saved under a free name.
    if (m_options.m_save != 0 && !presentation.IsEmpty())
        SaveStep(presentation, outputFileName);
    if (m_options.m_leave == 0)
        m_application.Quit();
}

void CPresentationBuilder::ApplyTemplateStep(const PowerPoint::Presentation& presentation)
{
    if (!m_fileSystem.FileExists(m_options.m_templateFile)) {
        m_messages.ShowMessage("The specified template file can not be found. The template will "
                               "not be applied.",
                               MB_OK);
        return;
    }
    presentation.ApplyTemplate(m_options.m_templateFile);
}

void CPresentationBuilder::SaveStep(const PowerPoint::Presentation& presentation,
                                    const std::string& outputFileName)
{
    std::string outputPath = m_options.m_saveFolder + "/" + outputFileName;
    if (m_options.m_overwrite == 0 && m_fileSystem.FileExists(outputPath)) {
        outputPath = MakeFreeFileName(outputPath);
        m_messages.ShowMessage("The specified file already exists. The presentation has been "
                               "saved as " +
                                   outputPath + ".",
                               MB_OK);
    }
    presentation.SaveAs(outputPath,
                        m_options.m_format == PresentationFormat::Pptx ? ppSaveAsOpenXMLPresentation
                                                                       : ppSaveAsPresentation,
                        msoFalse);
    m_savedPath = outputPath;
}

std::string CPresentationBuilder::MakeFreeFileName(std::string path) const
{
    const std::string extension = FileExtension(m_options.m_format);
    path.resize(path.size() >= extension.size() ? path.size() - extension.size() : 0);
    for (unsigned long number = 1;; ++number) {
        std::string candidate = path + std::to_string(number) + extension;
        if (!m_fileSystem.FileExists(candidate))
            return candidate;
    }
}
