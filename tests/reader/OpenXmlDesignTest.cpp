// SPDX-License-Identifier: MIT
#include "DesignDescriptionFile.h"
#include "ImpressDesign.h"
#include "ImpressDocument.h"
#include "LibreOfficeConversion.h"
#include "PptxFileWriter.h"
#include "SampleDocuments.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace {

// The weight of the first run of the first title that a slide shows. Impress
// keeps an Office Open XML master's title weight out of the master's style
// and gives it to each run of the slides instead.
QString FirstTitleRunWeight(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "unreadable";
    QXmlStreamReader xml(&file);
    std::map<QString, QString> weights;
    QString style;
    bool inTitle = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"style") {
            style = attributes.value("style:name").toString();
        } else if (xml.name() == u"text-properties" && !style.isEmpty()) {
            weights[style] = attributes.value("fo:font-weight").toString();
        } else if (xml.name() == u"frame") {
            inTitle = attributes.value("presentation:class") == u"title";
        } else if (xml.name() == u"span" && inTitle) {
            return weights[attributes.value("text:style-name").toString()];
        }
    }
    return "no title";
}

void ExpectShippedDesign(const QString& converted)
{
    const ImpressDesign design = ReadImpressDesign(converted);
    EXPECT_EQ(design.backgroundColor, "#f5f8fc");
    EXPECT_EQ(design.titleFont, "Georgia");
    EXPECT_EQ(design.titleColor, "#123f6e");
    EXPECT_EQ(FirstTitleRunWeight(converted), "bold");
}

// A .pptx written from the shipped design's description, as quillon.potx is,
// and one that quillon-cli saves with its default template, quillon.potx:
// Impress shows their slides with the description's background and title
// style. (Impress takes a master only from a slide that uses it, so the
// slide-less quillon.potx itself is checked part by part in the unit tests.)
TEST(LibreOfficeImpress, ShowsTheShippedDesignInOpenXmlPresentations)
{
    std::ifstream in(QUILLON_DESIGN_DESCRIPTION);
    const DesignDescription shipped = ReadDesignDescription(in, QUILLON_DESIGN_DESCRIPTION);
    QTemporaryDir work;
    const QDir dir(work.path());
    const QString written = dir.filePath("written.pptx");
    CPptxFileWriter(shipped).Write(SampleDocuments::WorkedExample(), written.toStdString(),
                                   CPptxFileWriter::kFormatOpenXmlPresentation);
    std::ofstream(dir.filePath("note.txt").toStdString()) << "Built\nThe budget\n-Costs\n.Rent\n";
    const std::string command = "cd '" + work.path().toStdString() +
                                "' && '" QUILLON_CLI_PATH
                                "' --quiet --format pptx note.txt >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QString built = dir.filePath("Built.pptx");
    ASSERT_EQ(ConvertWithLibreOffice({written, built}, "fodp", dir.filePath("out"),
                                     dir.filePath("profile")),
              "");

    for (const char* name : {"written", "Built"}) {
        SCOPED_TRACE(name);
        ExpectShippedDesign(dir.filePath(QString("out/%1.fodp").arg(name)));
    }
    const std::vector<ImpressPage> pages = ReadImpressDocument(dir.filePath("out/written.fodp"));
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages[1].frames.size(), 2u);
    EXPECT_EQ(pages[1].frames[0].paragraphs.at(0).text, "Agenda");
    const std::vector<ImpressPage> slides = ReadImpressDocument(dir.filePath("out/Built.fodp"));
    ASSERT_EQ(slides.size(), 2u);
    EXPECT_EQ(slides[1].frames.at(0).paragraphs.at(0).text, "Costs");
}

} // namespace
