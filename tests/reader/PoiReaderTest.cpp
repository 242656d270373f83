// SPDX-License-Identifier: MIT
#include "PotTemplateLoader.h"
#include "ReaderCases.h"
#include "SampleDocuments.h"
#include "TemplateLoader.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

// The HSLF reader is the strictest reader we can run in the suite: it refuses
// records it cannot place and logs every repair it makes, and each of those
// fails the test here.

namespace {

using namespace SampleDocuments;

struct PoiParagraph
{
    std::string text;
    int level = 0; // the reader's own: 0 is the top level
};

struct PoiShape
{
    std::string name; // as stored; empty when the shape has none
    std::string placeholder;
    std::vector<PoiParagraph> paragraphs;
};

struct PoiSlide
{
    std::string layout;
    std::string title;
    std::vector<PoiShape> shapes;
};

struct PoiFile
{
    int slideCount = -1;
    std::vector<PoiSlide> slides;
    std::vector<std::string> problems; // refusals and logged repairs
};

std::string Unescape(const std::string& field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        const char next = field[++i];
        if (next == 't')
            text += '\t';
        else if (next == 'r')
            text += '\r';
        else if (next == 'n')
            text += '\n';
        else if (next == 'u' && i + 4 < field.size()) {
            text += static_cast<char>(std::stoi(field.substr(i + 1, 4), nullptr, 16));
            i += 4;
        } else
            text += next;
    }
    return text;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(line.substr(start, tab - start)));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

// Reads the dumper's output: records keyed by their first field, each file's
// records following its "file" line. Anything out of place is a problem of
// the file it appears in, so a changed dump format cannot pass unnoticed.
std::map<std::string, PoiFile> ParseDump(const std::string& dump)
{
    std::map<std::string, PoiFile> files;
    PoiFile* file = nullptr;
    std::istringstream lines(dump);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = Fields(line);
        const std::string& kind = fields[0];
        if (kind == "file" && fields.size() == 2) {
            file = &files[fields[1]];
            continue;
        }
        if (file == nullptr)
            throw std::runtime_error("dump line before any file: " + line);
        if (kind == "slides" && fields.size() == 2)
            file->slideCount = std::stoi(fields[1]);
        else if (kind == "slide" && fields.size() == 4)
            file->slides.push_back({fields[2], fields[3], {}});
        else if (kind == "shape" && fields.size() == 3 && !file->slides.empty())
            file->slides.back().shapes.push_back({fields[1], fields[2], {}});
        else if (kind == "para" && fields.size() == 3 && !file->slides.empty() &&
                 !file->slides.back().shapes.empty())
            file->slides.back().shapes.back().paragraphs.push_back(
                {fields[2], std::stoi(fields[1])});
        else
            file->problems.push_back(line);
    }
    return files;
}

std::vector<WrittenFile> FilesToCheck()
{
    std::vector<WrittenFile> files = ReaderCases();
    // Impress shows an empty presentation with one blank slide of its own, so
    // only this reader can check that none was stored.
    files.push_back({"no_slides.ppt", 1, PresentationDocument{}, {}});
    // Built around the shipped template's records rather than our own master.
    PresentationDocument designed = WorkedExample();
    designed.design = CPotTemplateLoader().Load(QUILLON_DEFAULT_TEMPLATE)->design;
    files.push_back({"shipped_design.ppt", 1, designed, {}});
    return files;
}

// The binary reader names the slide layouts of the old format, the XSLF
// reader the layout types of the new one (title, obj, twoObj).
std::string LayoutName(int layout, bool openXml)
{
    if (openXml)
        return layout == 1 ? "TITLE" : layout == 3 ? "TWO_OBJ" : "TITLE_AND_CONTENT";
    return layout == 1 ? "TITLE_SLIDE" : layout == 3 ? "TWO_COLUMNS" : "TITLE_BODY";
}

// The .pptx layouts hold content placeholders, which may take any content.
std::string PlaceholderName(PlaceholderKind kind, bool openXml)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
        return "CENTERED_TITLE";
    case PlaceholderKind::Subtitle:
        return "SUBTITLE";
    case PlaceholderKind::Title:
        return "TITLE";
    case PlaceholderKind::Body:
        break;
    }
    return openXml ? "CONTENT" : "BODY";
}

void ExpectSameSlides(const PresentationDocument& expected, const PoiFile& file, bool openXml)
{
    ASSERT_EQ(file.slideCount, static_cast<int>(expected.slides.size()));
    ASSERT_EQ(file.slides.size(), expected.slides.size());
    for (std::size_t s = 0; s < expected.slides.size(); ++s) {
        SCOPED_TRACE("slide " + std::to_string(s + 1));
        const SlideData& slide = expected.slides[s];
        const PoiSlide& shown = file.slides[s];
        EXPECT_EQ(shown.layout, LayoutName(slide.layout, openXml));
        EXPECT_EQ(shown.title, slide.placeholders.at(0).paragraphs.at(0).text);
        ASSERT_EQ(shown.shapes.size(), slide.placeholders.size());
        for (std::size_t f = 0; f < slide.placeholders.size(); ++f) {
            SCOPED_TRACE("shape " + std::to_string(f + 1));
            const Placeholder& placeholder = slide.placeholders[f];
            const PoiShape& shape = shown.shapes[f];
            EXPECT_EQ(shape.name, placeholder.name);
            EXPECT_EQ(shape.placeholder, PlaceholderName(placeholder.kind, openXml));
            ASSERT_EQ(shape.paragraphs.size(), placeholder.paragraphs.size());
            for (std::size_t p = 0; p < placeholder.paragraphs.size(); ++p) {
                const TextParagraph& paragraph = placeholder.paragraphs[p];
                EXPECT_EQ(shape.paragraphs[p].text, paragraph.text);
                // Level 0 is shown as the top level, which the reader counts from 0.
                EXPECT_EQ(shape.paragraphs[p].level, std::max(1, paragraph.indentLevel) - 1)
                    << paragraph.text;
            }
        }
    }
}

// Writes every file and has one run of the dumper read them all, then
// compares what the reader found with what was saved.
void ExpectPoiReadsWhatWasWritten(const std::vector<WrittenFile>& files, const QString& dumper,
                                  bool openXml)
{
    const QString java = QStringLiteral(QUILLON_JAVA);
    const QString classPath = QStringLiteral(QUILLON_POI_CLASSPATH);
    ASSERT_FALSE(java.isEmpty() || classPath.isEmpty())
        << "Java or Apache POI was not found when the build was configured "
           "(scripts/install-deps --test, then configure again)";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    QStringList arguments{"-Djava.awt.headless=true",
                          "-Dorg.apache.poi.util.POILogger=org.apache.poi.util.SystemOutLogger",
                          "-cp", classPath, dumper};
    for (const WrittenFile& file : files) {
        const QString path = dir.filePath(QString::fromStdString(file.name));
        WriteCase(file, path.toStdString());
        arguments << path;
    }
    QProcess process;
    process.start(java, arguments);
    ASSERT_TRUE(process.waitForFinished(110000)) << "the POI dumper did not finish";
    const std::string errors = process.readAllStandardError().toStdString();
    ASSERT_EQ(process.exitCode(), 0) << errors;
    EXPECT_EQ(errors, "");
    const std::map<std::string, PoiFile> dumped =
        ParseDump(process.readAllStandardOutput().toStdString());
    // Debian's poi-ooxml-schemas carries only a few of the schema types and
    // not the compiled type system, so its XSLF reader refuses every package.
    const auto first =
        dumped.find(dir.filePath(QString::fromStdString(files.at(0).name)).toStdString());
    if (openXml && first != dumped.end() && !first->second.problems.empty() &&
        first->second.problems[0].find("org/apache/xmlbeans/metadata/system/") != std::string::npos)
        GTEST_SKIP() << "the installed poi-ooxml-schemas lacks the OOXML schema types: "
                     << first->second.problems[0];

    ASSERT_EQ(dumped.size(), files.size());
    for (const WrittenFile& file : files) {
        SCOPED_TRACE(file.name);
        const auto found =
            dumped.find(dir.filePath(QString::fromStdString(file.name)).toStdString());
        ASSERT_NE(found, dumped.end());
        EXPECT_EQ(found->second.problems, std::vector<std::string>{});
        ExpectSameSlides(file.document, found->second, openXml);
    }
}

TEST(ApachePoiHslf, ReadsTheSlidesShapesParagraphsAndLevelsWeWrite)
{
    ExpectPoiReadsWhatWasWritten(FilesToCheck(), "PoiSlideDump", false);
}

TEST(ApachePoiXslf, ReadsTheSameFromOpenXmlPresentations)
{
    std::vector<WrittenFile> files = OpenXmlReaderCases();
    files.push_back({"no_slides.pptx", 24, PresentationDocument{}, {}});
    // On an Office Open XML template's master and layouts.
    PresentationDocument designed = WorkedExample();
    designed.packageDesign =
        CTemplateLoader().Load(QUILLON_POTX_CORPUS "/ok-small.potx")->packageDesign;
    files.push_back({"on_template.pptx", 24, designed, {}});
    ExpectPoiReadsWhatWasWritten(files, "PoiXslfDump", true);
}

TEST(ApachePoiDump, ParsesEscapedFieldsAndCollectsWhatItDoesNotKnow)
{
    const std::map<std::string, PoiFile> files = ParseDump("file\ta\\tb.ppt\n"
                                                           "slides\t1\n"
                                                           "slide\t1\tTITLE_BODY\tT\\\\itle\n"
                                                           "shape\tRectangle 2\tTITLE\n"
                                                           "para\t2\tx\\ty\\u0001\n"
                                                           "warning\tthe reader repaired it\n"
                                                           "file\tb.ppt\n"
                                                           "error\tjava.io.IOException: bad\n");
    ASSERT_EQ(files.size(), 2U);
    const PoiFile& first = files.at("a\tb.ppt");
    EXPECT_EQ(first.slideCount, 1);
    ASSERT_EQ(first.slides.size(), 1U);
    EXPECT_EQ(first.slides[0].title, "T\\itle");
    ASSERT_EQ(first.slides[0].shapes.size(), 1U);
    ASSERT_EQ(first.slides[0].shapes[0].paragraphs.size(), 1U);
    EXPECT_EQ(first.slides[0].shapes[0].paragraphs[0].text, "x\ty\x01");
    EXPECT_EQ(first.slides[0].shapes[0].paragraphs[0].level, 2);
    EXPECT_EQ(first.problems, std::vector<std::string>{"warning\tthe reader repaired it"});
    EXPECT_EQ(files.at("b.ppt").slideCount, -1);
    EXPECT_EQ(files.at("b.ppt").problems.size(), 1U);
}

} // namespace
