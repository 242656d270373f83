// SPDX-License-Identifier: MIT
// quillon: the composition root of the main program.
#include "CleanupOnSignal.h"
#include "DesktopPresentationViewer.h"
#include "EmbeddedServers.h"
#include "GuardedApplication.h"
#include "MessageBox.h"
#include "QuillonApp.h"
#include "QuillonDlg.h"
#include "WatchedDesktopOpen.h"

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
    // The dialog while it runs: a copy of a presentation that is not saved
    // is named after the note's file name, which the dialog's build knows.
    const CPresentationBuilder* building = nullptr;
    const auto tell = [&messages](const std::string& text) {
        messages.ShowMessage(text, MB_OK);
    };
    CQuillonApp app(
        messages,
        [&tell, &building]() -> std::unique_ptr<CEmbeddedServers> {
            try {
                // What a build leaves open is shown in the desktop's
                // presentation program, while the dialog goes on taking
                // input; a failure is said in a box when it is known.
                auto viewer = std::make_shared<CDesktopPresentationViewer>(
                    tell, std::make_shared<CWatchedDesktopOpen>(tell));
                return std::make_unique<CEmbeddedServers>(
                    std::filesystem::path(), viewer,
                    [&building] { return building ? building->OutputFileName() : std::string(); });
            } catch (const std::exception&) {
                return nullptr;
            }
        },
        [&building](QuillonDlgServices& services) {
            CQuillonDlg dialog(services);
            building = &dialog;
            dialog.DoModal();
            building = nullptr;
        });
    app.InitInstance();
    return 0;
}
