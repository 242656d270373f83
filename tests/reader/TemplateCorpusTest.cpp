// SPDX-License-Identifier: MIT
#include "CompoundFileReader.h"
#include "ImpressDocument.h"
#include "LibreOfficeConversion.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "PptFormat.h"
#include "SampleDocuments.h"
#include "TemplateDesign.h"
#include "TemplateReader.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

// Presentations that PowerPoint and other programs saved, each applied as a
// design template to the worked example: a presentation that the readers
// open with the note's text around the template's masters, or a refusal
// that says why.

namespace {

namespace fs = std::filesystem;

// The files no reader here opens, and what the refusal says.
const std::map<std::string, std::string> kRefused = {
    {"57272_corrupted_usereditatom.ppt", "runs in a circle"},
    {"PPT95.ppt", "PowerPoint 95 or older"},
    {"Password_Protected-hello.ppt", "encrypted"},
    {"cryptoapi-proc2356.ppt", "encrypted"},
    {"pp40only.ppt", "PowerPoint 95 or older"},
};

struct BuiltFile
{
    std::string templateName;
    QString templatePath;
    QString path; // the presentation built around it
};

// Builds the worked example around every file of the corpus in dir and
// checks the refusals on the way.
std::vector<BuiltFile> BuildAroundTheCorpus(const QDir& dir)
{
    std::vector<BuiltFile> built;
    std::set<std::string> refused;
    for (const auto& entry : fs::directory_iterator(QUILLON_TEST_DATA "/powerpoint")) {
        if (entry.path().extension() != ".ppt")
            continue;
        const std::string name = entry.path().filename().string();
        PresentationDocument document = SampleDocuments::WorkedExample();
        try {
            document.design = CPotTemplateLoader().Load(entry.path().string())->design;
        } catch (const CTemplateError& error) {
            refused.insert(name);
            const auto expected = kRefused.find(name);
            if (expected == kRefused.end())
                ADD_FAILURE() << error.what();
            else
                EXPECT_NE(std::string(error.what()).find(expected->second), std::string::npos)
                    << error.what();
            continue;
        }
        const QString path = dir.filePath(QString::fromStdString(name));
        CPptFileWriter().Write(document, path.toStdString(), CPptFileWriter::kFormatPresentation);
        built.push_back({name, QString::fromStdString(entry.path().string()), path});
    }
    for (const auto& [name, reason] : kRefused)
        EXPECT_EQ(refused.count(name), 1u) << name << " was not refused";
    EXPECT_GE(built.size(), 70u);
    return built;
}

// The text of the worked example's slides, paragraph by paragraph, empty
// paragraphs left out (readers differ on showing them).
std::vector<std::vector<std::string>> ExpectedText()
{
    std::vector<std::vector<std::string>> slides;
    for (const SlideData& slide : SampleDocuments::WorkedExample().slides) {
        slides.emplace_back();
        for (const Placeholder& placeholder : slide.placeholders) {
            for (const ParagraphView paragraph : placeholder.paragraphs) {
                if (!paragraph.text.empty())
                    slides.back().emplace_back(paragraph.text);
            }
        }
    }
    return slides;
}

std::shared_ptr<const TemplateDesign> DesignIn(const QString& path)
{
    const CCompoundFileReader file(path.toStdString());
    const auto pictures = file.ReadStream(kPicturesStreamName);
    return std::make_shared<const TemplateDesign>(
        CTemplateReader(*file.ReadStream(kDocumentStreamName),
                        file.ReadStream(kCurrentUserStreamName))
            .Read(pictures.value_or(std::vector<std::uint8_t>{})));
}

TEST(TemplateCorpus, KeepsTheMastersFontsAndPicturesOfEveryTemplateItAccepts)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    for (const BuiltFile& file : BuildAroundTheCorpus(QDir(work.path()))) {
        SCOPED_TRACE(file.templateName);
        const auto original = CPotTemplateLoader().Load(file.templatePath.toStdString())->design;
        const auto kept = DesignIn(file.path);
        ASSERT_EQ(kept->masters.size(), original->masters.size());
        for (std::size_t i = 0; i < kept->masters.size(); ++i)
            EXPECT_EQ(kept->masters[i].container, original->masters[i].container);
        EXPECT_EQ(kept->environment, original->environment); // the fonts among it
        EXPECT_EQ(kept->drawingGroupExtras, original->drawingGroupExtras);
        EXPECT_EQ(kept->pictures, original->pictures);
    }
}

// POI prints what it repairs; a complaint it also makes about the template
// itself comes from the template's records and is not ours.
std::map<std::string, std::set<std::string>> RunPoi(const QStringList& files)
{
    QStringList arguments{"-Djava.awt.headless=true",
                          "-Dorg.apache.poi.util.POILogger=org.apache.poi.util.SystemOutLogger",
                          "-cp", QStringLiteral(QUILLON_POI_CLASSPATH), "PoiSlideDump"};
    QProcess process;
    process.start(QStringLiteral(QUILLON_JAVA), arguments + files);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        throw std::runtime_error("the POI dumper failed: " +
                                 process.readAllStandardError().toStdString());
    std::map<std::string, std::set<std::string>> lines;
    std::istringstream dump(process.readAllStandardOutput().toStdString());
    std::string line;
    std::string file;
    const QRegularExpression digits("[0-9]+");
    while (std::getline(dump, line)) {
        if (line.rfind("file\t", 0) == 0) {
            file = line.substr(5);
            lines[file];
        } else if (line.rfind("warning\t", 0) == 0) {
            lines[file].insert(QString::fromStdString(line).replace(digits, "#").toStdString());
        } else {
            lines[file].insert(line);
        }
    }
    return lines;
}

TEST(TemplateCorpus, ApachePoiReadsTheNoteAroundEveryAcceptedTemplate)
{
    ASSERT_FALSE(QStringLiteral(QUILLON_JAVA).isEmpty()) << "Java or Apache POI was not found";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const std::vector<BuiltFile> built = BuildAroundTheCorpus(QDir(work.path()));
    QStringList paths;
    for (const BuiltFile& file : built)
        paths << file.path;
    const auto dumped = RunPoi(paths);
    QStringList complained;
    for (const BuiltFile& file : built) {
        for (const std::string& line : dumped.at(file.path.toStdString())) {
            if (line.rfind("warning\t", 0) == 0) {
                complained << file.templatePath;
                break;
            }
        }
    }
    const auto aboutTemplates = complained.isEmpty() ? decltype(dumped){} : RunPoi(complained);

    const auto expected = ExpectedText();
    for (const BuiltFile& file : built) {
        SCOPED_TRACE(file.templateName);
        const std::set<std::string>& lines = dumped.at(file.path.toStdString());
        EXPECT_EQ(lines.count("slides\t" + std::to_string(expected.size())), 1u);
        for (const auto& slide : expected) {
            for (const std::string& text : slide) {
                const bool found = std::any_of(lines.begin(), lines.end(), [&](const auto& l) {
                    return l.rfind("para\t", 0) == 0 && l.substr(l.rfind('\t') + 1) == text;
                });
                EXPECT_TRUE(found) << text;
            }
        }
        const auto own = aboutTemplates.find(file.templatePath.toStdString());
        for (const std::string& line : lines) {
            // Stack frames of a warning differ with the order classes load
            // in; the warning's own line is what is compared.
            if (line.rfind("warning\t\\tat ", 0) == 0)
                continue;
            const bool problem = line.rfind("error\t", 0) == 0 ||
                                 (line.rfind("warning\t", 0) == 0 &&
                                  (own == aboutTemplates.end() || own->second.count(line) == 0));
            EXPECT_FALSE(problem) << line;
        }
    }
}

TEST(TemplateCorpus, LibreOfficeReadsTheNoteAroundEveryAcceptedTemplate)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    const std::vector<BuiltFile> built = BuildAroundTheCorpus(dir);
    QStringList paths;
    for (const BuiltFile& file : built)
        paths << file.path;
    ASSERT_EQ(ConvertWithLibreOffice(paths, "fodp", dir.filePath("out"), dir.filePath("profile")),
              "");

    const auto expected = ExpectedText();
    for (const BuiltFile& file : built) {
        SCOPED_TRACE(file.templateName);
        const QString converted =
            dir.filePath("out/" + QFileInfo(file.path).completeBaseName() + ".fodp");
        const std::vector<ImpressPage> pages = ReadImpressDocument(converted);
        ASSERT_EQ(pages.size(), expected.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            std::vector<std::string> shown;
            for (const ImpressFrame& frame : pages[p].frames) {
                for (const ImpressParagraph& paragraph : frame.paragraphs) {
                    if (!paragraph.text.empty())
                        shown.push_back(paragraph.text);
                }
            }
            EXPECT_EQ(shown, expected[p]) << "slide " << p + 1;
        }
    }
}

} // namespace
