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

// A .pptx written from the shipped design's description, as quillon.potx is:
// Impress shows its slides with the description's background and title
// style. (Impress takes a master only from a slide that uses it, so the
// slide-less quillon.potx itself is checked part by part in the unit tests.)
TEST(LibreOfficeImpress, ShowsTheDescribedDesignOfAnOpenXmlPresentation)
{
    std::ifstream in(QUILLON_DESIGN_DESCRIPTION);
    const DesignDescription shipped = ReadDesignDescription(in, QUILLON_DESIGN_DESCRIPTION);
    QTemporaryDir work;
    const QDir dir(work.path());
    const QString deck = dir.filePath("designed.pptx");
    CPptxFileWriter(shipped).Write(SampleDocuments::WorkedExample(), deck.toStdString(),
                                   CPptxFileWriter::kFormatOpenXmlPresentation);
    ASSERT_EQ(ConvertWithLibreOffice({deck}, "fodp", dir.filePath("out"), dir.filePath("profile")),
              "");
    const QString converted = dir.filePath("out/designed.fodp");

    const ImpressDesign design = ReadImpressDesign(converted);
    EXPECT_EQ(design.backgroundColor, "#f5f8fc");
    EXPECT_EQ(design.titleFont, "Georgia");
    EXPECT_EQ(design.titleColor, "#123f6e");
    EXPECT_EQ(FirstTitleRunWeight(converted), "bold");
    const std::vector<ImpressPage> pages = ReadImpressDocument(converted);
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages[1].frames.size(), 2u);
    EXPECT_EQ(pages[1].frames[0].paragraphs.at(0).text, "Agenda");
}

} // namespace
