// SPDX-License-Identifier: MIT
#include "LibreOfficeConversion.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr int kConversionMs = 600000;

} // namespace

std::string ConvertWithLibreOffice(const QStringList& files, const QString& filter,
                                   const QString& outDir, const QString& profileDir)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        return "LibreOffice Impress is not installed";
    const QStringList options{"--headless",
                              "--norestore",
                              "-env:UserInstallation=" + QUrl::fromLocalFile(profileDir).toString(),
                              "--convert-to",
                              filter,
                              "--outdir",
                              outDir};
    QProcess process;
    process.start(soffice, options + files);
    if (!process.waitForFinished(kConversionMs))
        return "LibreOffice did not finish";
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "LibreOffice failed: " + process.readAllStandardError().toStdString();
    return {};
}
