// quillon: the composition root of the main program.
#include "EmbeddedServers.h"
#include "MessageBox.h"
#include "QuillonApp.h"

#include <QApplication>
#include <exception>

int main(int, char** argv)
{
    // The program reads no arguments: Qt sees only the program's name, which
    // also names the program in every caption.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    CMessageBox messages;
    CQuillonApp app(
        messages,
        []() -> std::unique_ptr<CEmbeddedServers> {
            try {
                return std::make_unique<CEmbeddedServers>();
            } catch (const std::exception&) {
                return nullptr;
            }
        },
        &CQuillonApp::RunMainDialog);
    app.InitInstance();
    return 0;
}
