// SPDX-License-Identifier: MIT
#include "ImpressDocument.h"
#include "LibreOfficeConversion.h"
#include "OdfSlideExpectations.h"
#include "ReaderCases.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Writes every file and has one LibreOffice run convert them all to flat
// OpenDocument, then compares what Impress shows with what was saved.
void ExpectImpressShowsWhatWasWritten(const std::vector<WrittenFile>& files, OdfReader reader)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    QStringList paths;
    for (const WrittenFile& file : files) {
        const QString path = dir.filePath(QString::fromStdString(file.name));
        WriteCase(file, path.toStdString());
        paths << path;
    }
    ASSERT_EQ(ConvertWithLibreOffice(paths, "fodp", dir.filePath("out"), dir.filePath("profile")),
              "");

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
