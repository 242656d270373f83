#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

bool CDesktopOpener::OpenFile(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}
