// SPDX-License-Identifier: MIT
#include "FilePicker.h"

#include <QFile>
#include <QFileDialog>
#include <QString>

std::optional<std::string> CFilePicker::PickImage()
{
    // The picker is the program's only window, so it carries the program's
    // name instead of a bare "Open".
    QFileDialog dialog(nullptr, QString::fromLatin1(kTitle), QString(),
                       QString::fromLatin1(kNameFilter));
    dialog.setObjectName(QString::fromLatin1(kObjectName));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return QFile::encodeName(files.constFirst()).toStdString();
}
