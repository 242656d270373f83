#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void CMessageBox::ShowMessage(const std::string& text, unsigned boxType)
{
    QMessageBox box(m_owner);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(QString::fromStdString(text));
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
