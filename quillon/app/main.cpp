// quillon: the composition root of the main program.
#include "CleanupOnSignal.h"
#include "DesktopPresentationViewer.h"
#include "EmbeddedServers.h"
#include "GuardedApplication.h"
#include "MessageBox.h"
#include "QuillonApp.h"

#include <QApplication>
#include <exception>

int main(int, char** argv)
{
    // An interrupted save leaves nothing behind: see CleanupOnSignal.
    CleanupOnSignal::InstallHandlers();
    // The program reads no arguments: Qt sees only the program's name, which
    // also names the program in every caption.
    int argumentCount = 1;
    CMessageBox messages;
    CGuardedApplication application(argumentCount, argv, [&messages](const std::string& text) {
        messages.ShowMessage(text, MB_ICONSTOP);
    });
    // Lets the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Quillon"));
    CQuillonApp app(
        messages,
        [&messages]() -> std::unique_ptr<CEmbeddedServers> {
            try {
                // What a build leaves open is shown in the desktop's
                // presentation program; a failure is said in a box.
                auto viewer = std::make_shared<CDesktopPresentationViewer>(
                    [&messages](const std::string& text) { messages.ShowMessage(text, MB_OK); });
                return std::make_unique<CEmbeddedServers>(std::filesystem::path(), viewer);
            } catch (const std::exception&) {
                return nullptr;
            }
        },
        &CQuillonApp::RunMainDialog);
    app.InitInstance();
    return 0;
}
