// SPDX-License-Identifier: MIT
#include "DesignDescriptionFile.h"
#include "ImpressDesign.h"
#include "ImpressDocument.h"
#include "LibreOfficeConversion.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "PptPackager.h"
#include "PptxFileWriter.h"
#include "SampleDocuments.h"
#include "TemplateLoader.h"
#include "TemplateReader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// A design unlike the shipped one, so the test can tell which was applied.
constexpr const char* kDarkDesign = R"(
[colours]
background = #1E2B3A
text = #F0F0F0
title = #FFD166
[fonts]
title = Verdana
[title]
bold = no
)";

class CImpress
{
public:
    CImpress() : m_dir(m_work.path()) {}

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Converts the files in one LibreOffice run; filter as --convert-to takes it.
    void Convert(const QString& filter, const QStringList& files) const
    {
        ASSERT_EQ(ConvertWithLibreOffice(files, filter, Path("out"), Path("profile")), "");
    }

    QString Converted(const QString& file, const QString& extension) const
    {
        return Path("out/" + QFileInfo(file).completeBaseName() + "." + extension);
    }

private:
    QTemporaryDir m_work;
    QDir m_dir;
};

std::shared_ptr<const TemplateDesign> DesignOf(const char* description)
{
    std::istringstream in(description);
    const PptStreams streams =
        CPptPackager("Quillon", ReadDesignDescription(in, "dark")).Package({});
    return std::make_shared<const TemplateDesign>(
        CTemplateReader(streams.document, streams.currentUser).Read({}));
}

void WriteWithDesign(const QString& path, std::shared_ptr<const TemplateDesign> design, int format)
{
    PresentationDocument document = SampleDocuments::WorkedExample();
    document.design = std::move(design);
    CPptFileWriter().Write(document, path.toStdString(), format);
}

// Impress shows levels as lists, which a design without bullets has none of.
void ExpectTextKept(const QString& converted, bool withLevels = true)
{
    const std::vector<ImpressPage> pages = ReadImpressDocument(converted);
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages[1].frames.size(), 2u);
    EXPECT_EQ(pages[1].frames[0].paragraphs.at(0).text, "Agenda");
    ASSERT_EQ(pages[1].frames[1].paragraphs.size(), 4u);
    if (withLevels) {
        EXPECT_EQ(pages[1].frames[1].paragraphs[2].level, 5);
    }
    ASSERT_EQ(pages[2].frames.size(), 3u);
    EXPECT_EQ(pages[2].frames[2].paragraphs.at(1).text, "Right b");
}

// The shipped quillon.pot, a template we save and one that LibreOffice makes
// of its own: each applied to a presentation, which Impress then shows with
// the template's background and title style and with the presentation's text.
TEST(LibreOfficeImpress, ShowsTheDesignOfTheAppliedTemplate)
{
    CImpress impress;
    const QString dark = impress.Path("dark.ppt");
    WriteWithDesign(dark, DesignOf(kDarkDesign), CPptFileWriter::kFormatPresentation);
    impress.Convert("pot:MS PowerPoint 97 Vorlage", {dark});
    const QString madeByImpress = impress.Converted(dark, "pot");
    ASSERT_TRUE(QFileInfo::exists(madeByImpress));

    const auto shipped = CPotTemplateLoader().Load(QUILLON_DEFAULT_TEMPLATE);
    const QString withShipped = impress.Path("with_shipped.ppt");
    const QString savedTemplate = impress.Path("saved_template.pot");
    const QString withImpressMade = impress.Path("with_impress_made.ppt");
    WriteWithDesign(withShipped, shipped->design, CPptFileWriter::kFormatPresentation);
    WriteWithDesign(savedTemplate, shipped->design, CPptFileWriter::kFormatTemplate);
    WriteWithDesign(withImpressMade, CPotTemplateLoader().Load(madeByImpress.toStdString())->design,
                    CPptFileWriter::kFormatPresentation);
    impress.Convert("fodp", {withShipped, savedTemplate, withImpressMade});

    for (const QString& file : {withShipped, savedTemplate}) {
        SCOPED_TRACE(file.toStdString());
        const QString converted = impress.Converted(file, "fodp");
        const ImpressDesign design = ReadImpressDesign(converted);
        EXPECT_EQ(design.backgroundColor, "#f5f8fc");
        EXPECT_EQ(design.titleFont, "Georgia");
        EXPECT_EQ(design.titleColor, "#123f6e");
        EXPECT_TRUE(design.titleBold);
        ExpectTextKept(converted);
    }
    const QString converted = impress.Converted(withImpressMade, "fodp");
    const ImpressDesign design = ReadImpressDesign(converted);
    EXPECT_EQ(design.backgroundColor, "#1e2b3a");
    EXPECT_EQ(design.titleFont, "Verdana");
    EXPECT_EQ(design.titleColor, "#ffd166");
    EXPECT_FALSE(design.titleBold);
    ExpectTextKept(converted);
}

// A .potx that LibreOffice exports is applied to a .pptx: Impress shows the
// slides on that template's master, with the background and title style it
// shows for the template itself, and with the presentation's text.
TEST(LibreOfficeImpress, ShowsTheDesignOfAnOpenXmlTemplateItExported)
{
    CImpress impress;
    const QString dark = impress.Path("dark.ppt");
    WriteWithDesign(dark, DesignOf(kDarkDesign), CPptFileWriter::kFormatPresentation);
    impress.Convert("potx", {dark});
    const QString exported = impress.Converted(dark, "potx");
    ASSERT_TRUE(QFileInfo::exists(exported));

    PresentationDocument document = SampleDocuments::WorkedExample();
    const auto loaded = CTemplateLoader().Load(exported.toStdString());
    ASSERT_EQ(loaded->family, DesignFamily::OpenXml);
    document.packageDesign = loaded->packageDesign;
    const QString built = impress.Path("on_template.pptx");
    CPptxFileWriter().Write(document, built.toStdString(),
                            CPptxFileWriter::kFormatOpenXmlPresentation);
    impress.Convert("fodp", {built, exported});
    const QString converted = impress.Converted(built, "fodp");
    const ImpressDesign design = ReadImpressDesign(converted);
    const ImpressDesign expected = ReadImpressDesign(impress.Converted(exported, "fodp"));
    EXPECT_EQ(design.backgroundColor, "#1e2b3a");
    EXPECT_EQ(design.backgroundColor, expected.backgroundColor);
    EXPECT_EQ(design.titleFont, expected.titleFont);
    EXPECT_EQ(design.titleColor, expected.titleColor);
    // The master LibreOffice exports from a .ppt has no body text styles.
    ExpectTextKept(converted, false);
}

} // namespace
