// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include "MessageText.h"

#include <QApplication>
#include <QMessageBox>

void CMessageBox::ShowMessage(const std::string& text, unsigned boxType)
{
    QMessageBox box(m_owner);
    box.setWindowTitle(QCoreApplication::applicationName());
    // Names in messages come from notes: shown as they are written, never as
    // markup, and cut to what a box can show.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(ReadableMessage(text, MessageLayout::Box)));
    box.setStandardButtons(QMessageBox::Ok);
    const unsigned icon = boxType & 0xF0u;
    box.setIcon(icon == MB_ICONSTOP ? QMessageBox::Critical : QMessageBox::Warning);
    if ((boxType & MB_SETFOREGROUND) != 0) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    box.exec();
}
