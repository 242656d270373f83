// SPDX-License-Identifier: MIT
#include "ReaderCases.h"

#include "BuilderMadeCase.h"
#include "PptFileWriter.h"
#include "PptxFileWriter.h"
#include "SampleDocuments.h"

using namespace SampleDocuments;

std::vector<WrittenFile> ReaderCases()
{
    std::vector<WrittenFile> files;
    files.push_back({"worked_example.ppt", 1, WorkedExample(), {}});

    PresentationDocument bullets;
    bullets.slides = {TextSlide("No bullets", {{"", 1}}),
                      TextSlide("One bullet", {{"Only one", 1}}),
                      TextSlide("Every level", {{"One", 1},
                                                {"Two", 2},
                                                {"Three", 3},
                                                {"Four", 4},
                                                {"Five", 5},
                                                {"Lone dot", 0},
                                                {"  spaced\ttab", 2}}),
                      TwoColumnSlide("Columns, none and one", {{"", 1}}, {{"Right only", 1}}),
                      TwoColumnSlide("Columns, many", Bullets(12, "left"), Bullets(7, "right")),
                      TitleSlide("", "Subtitle under an empty title"),
                      TitleSlide("Title without subtitle", ""),
                      TextSlide("", {{"Body under an empty title", 1}}),
                      TextSlide("Non-ASCII", {{"Café – 東京 😀", 1}, {"Ünïcødé ≠ ASCII", 2}})};
    files.push_back({"bullets.ppt", 1, bullets, {}});

    PresentationDocument longBody;
    longBody.slides = {TextSlide("Three hundred bullets", Bullets(300, "bullet"))};
    files.push_back({"long_body.ppt", 1, longBody, {}});

    PresentationDocument many;
    for (int i = 0; i < 1000; ++i)
        many.slides.push_back(TextSlide("Slide " + std::to_string(i + 1), {{"point", 1 + i % 5}}));
    files.push_back({"thousand.ppt", 1, many, {}});

    files.push_back({"design.pot", 5, WorkedExample(), {}});
    files.push_back(BuilderMadeCase(PresentationFormat::Ppt));
    files.push_back(NoteMadeCase(PresentationFormat::Ppt));
    return files;
}

std::vector<WrittenFile> OpenXmlReaderCases()
{
    std::vector<WrittenFile> files;
    for (WrittenFile& file : ReaderCases()) {
        // The builder's cases are made again below, saving .pptx.
        if (file.fileFormat != CPptFileWriter::kFormatPresentation || file.make)
            continue;
        file.name += 'x';
        file.fileFormat = CPptxFileWriter::kFormatOpenXmlPresentation;
        files.push_back(std::move(file));
    }
    files.push_back(BuilderMadeCase(PresentationFormat::Pptx));
    files.push_back(NoteMadeCase(PresentationFormat::Pptx));
    return files;
}

void WriteCase(const WrittenFile& file, const std::string& path)
{
    if (file.make)
        file.make(path);
    else if (file.fileFormat == CPptxFileWriter::kFormatOpenXmlPresentation)
        CPptxFileWriter().Write(file.document, path, file.fileFormat);
    else
        CPptFileWriter().Write(file.document, path, file.fileFormat);
}
