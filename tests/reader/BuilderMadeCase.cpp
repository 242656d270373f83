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

#include <filesystem>
#include <fstream>
#include <stdexcept>

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

int SaveFormat(PresentationFormat format)
{
    return format == PresentationFormat::Pptx ? PowerPointConstant::ppSaveAsOpenXMLPresentation
                                              : PowerPointConstant::ppSaveAsPresentation;
}

void Build(const std::string& path, PresentationFormat format)
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
    presentation.SaveAs(path, SaveFormat(format), PowerPointConstant::msoFalse);
    application.Quit();
}

// Five bullets split two to the left, three to the right; a lone bullet
// goes to the right.
constexpr const char* kNote = "Budget\nQuarterly budget\n-Costs\n.Rent\n..Deposit\n"
                              "--Two sides\n.Left one\n..Left two\n.Right one\n..Right two\n"
                              ".Right three\n--One bullet\n.Alone\n";

void BuildNote(const std::string& path, PresentationFormat format)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    for (const char* taken : {"Budget", "Budget1"})
        std::ofstream(folder / (taken + std::string(FileExtension(format))));
    const CEmbeddedServers servers;
    CRecordingMessages messages;
    const CLocalFileSystem fileSystem;
    CPresentationBuilder builder(messages, fileSystem);
    PresentationOptions& options = builder.Options();
    options.m_leave = 0;
    options.m_save = 1;
    options.m_template = 0;
    options.m_saveFolder = folder.string();
    options.m_format = format;
    builder.BuildPresentation(kNote);
    if (builder.SavedPath() != path)
        throw std::runtime_error("the builder saved \"" + builder.SavedPath() + "\", not " + path);
}

} // namespace

WrittenFile BuilderMadeCase(PresentationFormat format)
{
    WrittenFile file{std::string("builder_made") + FileExtension(format),
                     SaveFormat(format),
                     {},
                     [format](const std::string& path) {
                         Build(path, format);
                     }};
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

WrittenFile NoteMadeCase(PresentationFormat format)
{
    WrittenFile file{std::string("Budget2") + FileExtension(format),
                     SaveFormat(format),
                     {},
                     [format](const std::string& path) {
                         BuildNote(path, format);
                     }};
    file.document.slides = {
        TitleSlide("Quarterly budget", ""), TextSlide("Costs", {{"Rent", 1}, {"Deposit", 2}}),
        TwoColumnSlide("Two sides", {{"Left one", 1}, {"Left two", 2}},
                       {{"Right one", 1}, {"Right two", 2}, {"Right three", 1}}),
        TwoColumnSlide("One bullet", {{"", 1}}, {{"Alone", 1}})};
    return file;
}
