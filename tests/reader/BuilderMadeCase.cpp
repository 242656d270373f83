// SPDX-License-Identifier: MIT
#include "BuilderMadeCase.h"

#include "EmbeddedServers.h"
#include "FileSystem.h"
#include "PowerPointDispids.h"
#include "PresentationBuilder.h"
#include "Presentations.h"
#include "ReaderCases.h"
#include "RecordingMessages.h"
#include "SampleDocuments.h"

using namespace SampleDocuments;

namespace {

struct BreakForm
{
    const char* title;
    const char* separator;
};

constexpr BreakForm kBreakForms[] = {{"Lone CR", "\r"}, {"Lone LF", "\n"}, {"CR LF", "\r\n"}};

std::string LongBodyLine(int index)
{
    return std::string(static_cast<std::size_t>(1 + index % 4), '.') + "b" +
           std::to_string(index + 1);
}

// Adds slides as the builder's pass does, so each starts its own count of
// bullets; bullets then go in through AddBullet, with breaks a note's lines
// could not carry.
class CSlideByHandBuilder final : public CPresentationBuilder
{
public:
    using CPresentationBuilder::CPresentationBuilder;

    PowerPoint::Slide AddOneColumnSlide(const PowerPoint::Presentation& presentation,
                                        const std::string& title)
    {
        m_columnTotal = -1;
        m_bulletCount = 0;
        return AddSlide(presentation, title, PowerPointConstant::ppLayoutText);
    }
};

void Build(const std::string& path)
{
    const CEmbeddedServers servers;
    CRecordingMessages messages;
    const CLocalFileSystem fileSystem;
    CSlideByHandBuilder builder(messages, fileSystem);
    builder.Options().m_leave = 0;
    const PowerPoint::Application application = builder.StartPowerPoint();
    const PowerPoint::Presentation presentation =
        application.GetPresentations().Add(PowerPointConstant::msoCTrue);
    builder.AddTitleSlide(presentation, "Breaks inside bullets");
    for (const BreakForm& form : kBreakForms) {
        const PowerPoint::Slide slide = builder.AddOneColumnSlide(presentation, form.title);
        builder.AddBullet(slide, std::string(".A") + form.separator + "B", true);
        builder.AddBullet(slide, "..C", false);
        builder.AddBullet(slide, "...D", false);
    }
    const PowerPoint::Slide slide = builder.AddOneColumnSlide(presentation, "Long body");
    for (int i = 0; i < 300; ++i)
        builder.AddBullet(slide, LongBodyLine(i), i == 0);
    presentation.SaveAs(path, PowerPointConstant::ppSaveAsPresentation,
                        PowerPointConstant::msoFalse);
    application.Quit();
}

} // namespace

WrittenFile BuilderMadeCase()
{
    WrittenFile file{"builder_made.ppt", PowerPointConstant::ppSaveAsPresentation, {}, Build};
    file.document.slides.push_back(TitleSlide("Breaks inside bullets", ""));
    for (const BreakForm& form : kBreakForms)
        file.document.slides.push_back(
            TextSlide(form.title, {{"A", 1}, {"B", 1}, {"C", 2}, {"D", 3}}));
    std::vector<TextParagraph> longBody;
    for (int i = 0; i < 300; ++i)
        longBody.push_back({"b" + std::to_string(i + 1), 1 + i % 4});
    file.document.slides.push_back(TextSlide("Long body", longBody));
    return file;
}
