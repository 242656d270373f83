// SPDX-License-Identifier: MIT
#include "ImpressDocument.h"
#include "OdfSlideExpectations.h"
#include "PotTemplateLoader.h"
#include "PptxFileWriter.h"
#include "ReaderCases.h"
#include "SampleDocuments.h"
#include "TemplateLoader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Calligra Stage's import filter is generated from the format's record
// definitions, so it reads our records as the format describes them rather
// than as another reader has learnt to forgive. Its .pptx import is a reader
// of its own, which opens every .pptx case too.

namespace {

constexpr int kConversionMs = 300000;

std::vector<WrittenFile> FilesToCheck()
{
    std::vector<WrittenFile> files = ReaderCases();
    // Built around the shipped template's records rather than our own master.
    PresentationDocument designed = SampleDocuments::WorkedExample();
    designed.design = CPotTemplateLoader().Load(QUILLON_DEFAULT_TEMPLATE)->design;
    files.push_back({"shipped_design.ppt", 1, designed, {}});
    for (WrittenFile& file : OpenXmlReaderCases())
        files.push_back(std::move(file));
    // On a .potx template's master and layouts, which are not our own.
    PresentationDocument onTemplate = SampleDocuments::WorkedExample();
    onTemplate.packageDesign =
        CTemplateLoader().Load(QUILLON_POTX_CORPUS "/ok-small.potx")->packageDesign;
    files.push_back(
        {"on_template.pptx", CPptxFileWriter::kFormatOpenXmlPresentation, onTemplate, {}});
    return files;
}

// Conversions still running when a check gives up are stopped, not left behind.
struct ProcessStopper
{
    void operator()(QProcess* process) const
    {
        process->kill();
        process->waitForFinished();
        delete process;
    }
};
using Conversion = std::unique_ptr<QProcess, ProcessStopper>;

// One converter process per file, all started at once: each is short and
// single-threaded, so they share the machine's cores.
Conversion StartConversion(const QString& converter, const QDir& dir, const QString& input,
                           const QString& output)
{
    Conversion process(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // Its settings and caches stay in the test's folder.
    environment.insert("HOME", dir.filePath("home"));
    environment.insert("XDG_RUNTIME_DIR", dir.filePath("home"));
    process->setProcessEnvironment(environment);
    // Its log goes to a file, so a full pipe never holds a conversion up.
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(output + ".log");
    process->start(converter, {"--batch", input, output});
    return process;
}

QByteArray Member(const QString& unzip, const QString& odp, const QString& name)
{
    QProcess process;
    process.start(unzip, {"-p", odp, name});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

TEST(CalligraStage, ShowsTheSlidesFramesTextAndLevelsWeWrite)
{
    const QString converter = QStandardPaths::findExecutable("calligraconverter");
    const QString unzip = QStandardPaths::findExecutable("unzip");
    ASSERT_FALSE(converter.isEmpty()) << "Calligra Stage is not installed";
    ASSERT_FALSE(unzip.isEmpty()) << "unzip is not installed";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    ASSERT_TRUE(dir.mkpath("home"));
    QFile::setPermissions(dir.filePath("home"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::vector<WrittenFile> files = FilesToCheck();
    std::vector<Conversion> conversions;
    for (const WrittenFile& file : files) {
        const QString path = dir.filePath(QString::fromStdString(file.name));
        WriteCase(file, path.toStdString());
        conversions.push_back(StartConversion(converter, dir, path, path + ".odp"));
    }

    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name);
        QProcess& process = *conversions[i];
        ASSERT_TRUE(process.waitForFinished(kConversionMs)) << "Calligra did not finish";
        // The filter logs every record it lacks; the end says why it stopped.
        QFile log(dir.filePath(QString::fromStdString(files[i].name) + ".odp.log"));
        const std::string output =
            log.open(QIODevice::ReadOnly) ? log.readAll().right(2000).toStdString() : "";
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << "Calligra crashed:\n" << output;
        ASSERT_EQ(process.exitCode(), 0) << output;
        const QString odp = dir.filePath(QString::fromStdString(files[i].name) + ".odp");
        const QByteArray content = Member(unzip, odp, "content.xml");
        const QByteArray styles = Member(unzip, odp, "styles.xml");
        ASSERT_FALSE(content.isEmpty() || styles.isEmpty()) << "Calligra wrote no document";
        ExpectSameOdfSlides(files[i].document, ReadImpressContent(content, styles),
                            files[i].fileFormat == CPptxFileWriter::kFormatOpenXmlPresentation
                                ? OdfReader::CalligraOpenXml
                                : OdfReader::Calligra);
    }
}

} // namespace
