// SPDX-License-Identifier: MIT
// The end of a build: template, save and close, in that order.
#include "PowerPointDispids.h"
#include "PresentationBuilder.h"

#include <string>
#include <utility>

using namespace PowerPointConstant;

namespace {

// Ends a claim on the save's name when the save is over: the claim's file is
// the presentation once SaveAs returned, and goes again when SaveAs threw.
class CSaveClaim
{
public:
    CSaveClaim(const IFileSystem& fileSystem, std::string path)
        : m_fileSystem(fileSystem), m_path(std::move(path))
    {}
    ~CSaveClaim()
    {
        if (!m_path.empty())
            m_fileSystem.EndClaim(m_path, m_saved);
    }
    CSaveClaim(const CSaveClaim&) = delete;
    CSaveClaim& operator=(const CSaveClaim&) = delete;

    void Saved() noexcept { m_saved = true; }

private:
    const IFileSystem& m_fileSystem;
    std::string m_path;
    bool m_saved = false;
};

} // namespace

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
    // A template we may not read is as good as none: say so and build on.
    if (!m_fileSystem.CanReadFile(m_options.m_templateFile)) {
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
    // Without overwrite the name is claimed before the save, so another save
    // running at the same time takes the next free name instead of this one,
    // and SaveAs replaces only the empty file that holds the claim.
    std::string claimedPath;
    bool taken = false;
    if (m_options.m_overwrite == 0) {
        const IFileSystem::Claim claim = m_fileSystem.ClaimName(outputPath);
        taken = claim == IFileSystem::Claim::Taken;
        if (taken)
            outputPath = MakeFreeFileName(outputPath);
        if (taken || claim == IFileSystem::Claim::Claimed)
            claimedPath = outputPath;
    }
    CSaveClaim claim(m_fileSystem, claimedPath);
    if (taken)
        m_messages.ShowMessage("The specified file already exists. The presentation has been "
                               "saved as " +
                                   outputPath + ".",
                               MB_OK);
    presentation.SaveAs(outputPath,
                        m_options.m_format == PresentationFormat::Pptx ? ppSaveAsOpenXMLPresentation
                                                                       : ppSaveAsPresentation,
                        msoFalse);
    claim.Saved();
    m_savedPath = outputPath;
}

std::string CPresentationBuilder::MakeFreeFileName(std::string path) const
{
    const std::string extension = FileExtension(m_options.m_format);
    path.resize(path.size() >= extension.size() ? path.size() - extension.size() : 0);
    for (unsigned long number = 1;; ++number) {
        std::string candidate = path + std::to_string(number) + extension;
        // A name the folder refuses is not taken: the save will say why.
        if (m_fileSystem.ClaimName(candidate) != IFileSystem::Claim::Taken)
            return candidate;
    }
}
