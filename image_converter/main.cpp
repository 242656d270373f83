// SPDX-License-Identifier: MIT
#include "CleanupOnSignal.h"
#include "DesktopOpener.h"
#include "FilePicker.h"
#include "MessageBox.h"
#include "TavikApp.h"

#include <QApplication>
#include <algorithm>
#include <new>
#include <unistd.h>

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
    try {
        CTavikApp(picker, desktop, messages).InitInstance();
    } catch (const std::bad_alloc&) {
        // The conversion has unwound and freed its memory: there is room to say so.
        constexpr char kText[] = "There is not enough memory to convert the image.";
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kText, sizeof kText - 1);
        [[maybe_unused]] const ssize_t ended = ::write(STDERR_FILENO, "\n", 1);
        try {
            messages.ShowMessage(kText);
        } catch (...) {
            // The line on the error stream has said it.
        }
        return 1;
    }
    return 0;
}
