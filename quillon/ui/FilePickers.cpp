// SPDX-License-Identifier: MIT
#include "FilePickers.h"

#include <QFileDialog>

std::optional<QString> CFileDialogPickers::PickTemplateFile(QWidget* parent)
{
    // No must-exist rule: a name typed for a template that does not exist yet
    // is accepted, and the build reports it when it looks for the file. On
    // this platform "all files" is "*": "*.*" would hide names without a dot.
    // The platform's picker would say only "Open"; the program's name tells
    // whose question it is.
    QFileDialog dialog(parent, QStringLiteral("Quillon"));
    dialog.setObjectName(QStringLiteral("templatePicker"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // One filter for the designs of both formats: the format to save in is
    // chosen apart, and a design for the other one is refused at Create.
    dialog.setNameFilters(
        {QStringLiteral("Design Templates (*.pot *.potx)"), QStringLiteral("All Files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CFileDialogPickers::PickSaveFolder(QWidget* parent)
{
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Select a location to save your PPT files:"));
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
