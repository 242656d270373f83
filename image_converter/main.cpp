#include "CleanupOnSignal.h"
#include "DesktopOpener.h"
#include "FilePicker.h"
#include "MessageBox.h"
#include "TavikApp.h"

#include <QApplication>
#include <algorithm>

int main(int argc, char* argv[])
{
    // An interrupted save leaves nothing behind: see CleanupOnSignal.
    CleanupOnSignal::InstallHandlers();
    // The program reads no arguments: Qt is shown only the program's own
    // name, which also becomes the application name and so every caption.
    int qtArgumentCount = std::min(argc, 1);
    QApplication application(qtArgumentCount, argv);
    // Lets the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.TavikImageConverter"));

    CFilePicker picker;
    CDesktopOpener desktop;
    CMessageBox messages;
    CTavikApp(picker, desktop, messages).InitInstance();
    return 0;
}
