// SPDX-License-Identifier: MIT
#pragma once

#include "Application.h"
#include "FileSystem.h"
#include "Presentation.h"
#include "PresentationOptions.h"
#include "Slide.h"
#include "UserMessages.h"

#include <cstdint>
#include <string>
#include <string_view>

// Turns one note into a presentation through the presentation application's
// automation interface, line by line as the note is read, then finishes it as
// the options say. This is the main dialog's builder half: the dialog derives
// from it, and everything here runs without a display.
//
// Automation errors (CServerException, CStatusError) are not caught here:
// they end the build at the failing call, after every reference taken on the
// way has been released, and reach whoever started the build.
class CPresentationBuilder
{
public:
    CPresentationBuilder(IUserMessages& messages, const IFileSystem& fileSystem);
    virtual ~CPresentationBuilder();
    CPresentationBuilder(const CPresentationBuilder&) = delete;
    CPresentationBuilder& operator=(const CPresentationBuilder&) = delete;

    void BuildPresentation(std::string noteText);

    PowerPoint::Application StartPowerPoint();
    void AddTitleSlide(PowerPoint::Presentation presentation, const std::string& title);
    PowerPoint::Slide AddSlide(PowerPoint::Presentation presentation, std::string title,
                               std::int32_t layout);
    void AddBullet(PowerPoint::Slide slide, std::string_view line, bool first);
    int CountColumnBullets(std::string noteText, int startIndex) const;
    // The first numbered name after path that nothing stands at; the name is
    // claimed for the save as it is found (IFileSystem::ClaimName).
    std::string MakeFreeFileName(std::string path) const;

    PresentationOptions& Options() noexcept { return m_options; }
    const PresentationOptions& Options() const noexcept { return m_options; }
    const PowerPoint::Application& CurrentApplication() const noexcept { return m_application; }
    std::int32_t ColumnTotal() const noexcept { return m_columnTotal; }
    std::int32_t BulletCount() const noexcept { return m_bulletCount; }
    // The file name the build in progress, or the last one, took from its
    // note; empty until its first line has been read.
    const std::string& OutputFileName() const noexcept { return m_outputFileName; }
    // Where the last build saved its presentation; empty when it saved none.
    const std::string& SavedPath() const noexcept { return m_savedPath; }

protected:
    // The steps after the last line: template, save and close.
    void FinishBuild(const PowerPoint::Presentation& presentation,
                     const std::string& outputFileName);

    PowerPoint::Application m_application;
    std::int32_t m_columnTotal = -1;
    std::int32_t m_bulletCount = -1;
    PresentationOptions m_options;

private:
    // Adds the note's slides; sets presentation once the title line is read.
    void BuildSlides(PowerPoint::Presentation& presentation, const std::string& noteText);
    void ApplyTemplateStep(const PowerPoint::Presentation& presentation);
    void SaveStep(const PowerPoint::Presentation& presentation, const std::string& outputFileName);

    IUserMessages& m_messages;
    const IFileSystem& m_fileSystem;
    std::string m_outputFileName;
    std::string m_savedPath;
};
