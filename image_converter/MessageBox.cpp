// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

void CMessageBox::ShowMessage(const std::string& text)
{
    // The text may carry a path, which is in the file system's encoding.
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok);
    box.setObjectName(QString::fromLatin1(kObjectName));
    box.exec();
}
