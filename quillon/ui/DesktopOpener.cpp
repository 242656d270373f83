// SPDX-License-Identifier: MIT
#include "DesktopOpener.h"

#include "InstallPaths.h"

#include <QDesktopServices>

bool CDesktopOpener::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QUrl HelpPageUrl()
{
    const auto page = FindDataFile("help/index.html");
    return page ? QUrl::fromLocalFile(QString::fromStdString(page->string())) : QUrl();
}
