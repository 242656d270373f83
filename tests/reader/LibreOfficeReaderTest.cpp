#include "ImpressDocument.h"
#include "ReaderCases.h"
#include "SampleDocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace SampleDocuments;

// Impress names layouts "AL<n>T<type>", n numbering the layouts in order of
// first use; the type says what the layout is. A .pptx title-and-content
// layout (type obj) is its "title, object" (11) rather than "title, text" (1).
std::string LayoutType(int layout, bool openXml)
{
    return layout == 1 ? "T0" : layout == 3 ? "T3" : openXml ? "T11" : "T1";
}

std::string LayoutTypeOf(const std::string& layoutName)
{
    const std::size_t type = layoutName.rfind('T');
    return type == std::string::npos ? layoutName : layoutName.substr(type);
}

std::string FrameClass(PlaceholderKind kind)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
    case PlaceholderKind::Title:
        return "title";
    case PlaceholderKind::Subtitle:
        return "subtitle";
    case PlaceholderKind::Body:
        break;
    }
    return "outline";
}

void ExpectSameSlides(const PresentationDocument& expected, const std::vector<ImpressPage>& pages,
                      bool openXml)
{
    ASSERT_EQ(pages.size(), expected.slides.size());
    for (std::size_t s = 0; s < pages.size(); ++s) {
        SCOPED_TRACE("slide " + std::to_string(s + 1));
        const SlideData& slide = expected.slides[s];
        EXPECT_EQ(LayoutTypeOf(pages[s].layout), LayoutType(slide.layout, openXml))
            << pages[s].layout;
        ASSERT_EQ(pages[s].frames.size(), slide.placeholders.size());
        for (std::size_t f = 0; f < slide.placeholders.size(); ++f) {
            const Placeholder& placeholder = slide.placeholders[f];
            const ImpressFrame& frame = pages[s].frames[f];
            EXPECT_EQ(frame.presentationClass, FrameClass(placeholder.kind));
            std::vector<ImpressParagraph> wanted;
            if (placeholder.paragraphs.size() != 1 || !placeholder.paragraphs[0].text.empty()) {
                for (const TextParagraph& paragraph : placeholder.paragraphs)
                    wanted.push_back({paragraph.text, std::max(1, paragraph.indentLevel)});
            }
            ASSERT_EQ(frame.paragraphs.size(), wanted.size()) << "frame " << f;
            for (std::size_t p = 0; p < wanted.size(); ++p) {
                EXPECT_EQ(frame.paragraphs[p].text, wanted[p].text);
                EXPECT_EQ(frame.paragraphs[p].level, wanted[p].level) << wanted[p].text;
            }
        }
    }
}

// Writes every file and has one LibreOffice run convert them all to flat
// OpenDocument, then compares what Impress shows with what was saved.
void ExpectImpressShowsWhatWasWritten(const std::vector<WrittenFile>& files, bool openXml)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    ASSERT_FALSE(soffice.isEmpty()) << "LibreOffice Impress is not installed";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    QStringList arguments{"--headless",
                          "--norestore",
                          "-env:UserInstallation=" +
                              QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                          "--convert-to",
                          "fodp",
                          "--outdir",
                          dir.filePath("out")};
    for (const WrittenFile& file : files) {
        const QString path = dir.filePath(QString::fromStdString(file.name));
        WriteCase(file, path.toStdString());
        arguments << path;
    }
    QProcess process;
    process.start(soffice, arguments);
    ASSERT_TRUE(process.waitForFinished(600000)) << "LibreOffice did not finish";
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    for (const WrittenFile& file : files) {
        SCOPED_TRACE(file.name);
        const QString converted = dir.filePath(
            "out/" + QFileInfo(QString::fromStdString(file.name)).completeBaseName() + ".fodp");
        ASSERT_TRUE(QFileInfo::exists(converted)) << "LibreOffice did not open " << file.name;
        ExpectSameSlides(file.document, ReadImpressDocument(converted), openXml);
    }
}

TEST(LibreOfficeImpress, ShowsTheTitlesParagraphsAndLevelsWeWrite)
{
    ExpectImpressShowsWhatWasWritten(ReaderCases(), false);
}

TEST(LibreOfficeImpress, ShowsTheSameInOpenXmlPresentations)
{
    ExpectImpressShowsWhatWasWritten(OpenXmlReaderCases(), true);
}

} // namespace
