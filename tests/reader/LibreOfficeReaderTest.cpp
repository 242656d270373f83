// SPDX-License-Identifier: MIT
#include "ImpressDocument.h"
#include "OdfSlideExpectations.h"
#include "ReaderCases.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Writes every file and has one LibreOffice run convert them all to flat
// OpenDocument, then compares what Impress shows with what was saved.
void ExpectImpressShowsWhatWasWritten(const std::vector<WrittenFile>& files, OdfReader reader)
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
        ExpectSameOdfSlides(file.document, ReadImpressDocument(converted), reader);
    }
}

TEST(LibreOfficeImpress, ShowsTheTitlesParagraphsAndLevelsWeWrite)
{
    ExpectImpressShowsWhatWasWritten(ReaderCases(), OdfReader::Impress);
}

TEST(LibreOfficeImpress, ShowsTheSameInOpenXmlPresentations)
{
    ExpectImpressShowsWhatWasWritten(OpenXmlReaderCases(), OdfReader::ImpressOpenXml);
}

} // namespace
