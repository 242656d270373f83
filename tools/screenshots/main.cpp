// SPDX-License-Identifier: MIT
// Takes the pictures of both dialogs that the README shows, over a few
// sample notes, so they can be made again whenever the dialogs change.
// Usage: quillon-screenshots OUTPUT_FOLDER
#include "Clipboard.h"
#include "DesktopOpener.h"
#include "EmbeddedServers.h"
#include "FilePickers.h"
#include "MessageBox.h"
#include "OptionsDlg.h"
#include "OptionsStore.h"
#include "QuillonDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

class CEmptyClipboard final : public IClipboard
{
public:
    bool Open() override { return true; }
    void Close() noexcept override {}
    bool IsFormatAvailable(ClipboardFormat) const override { return false; }
    std::optional<std::string> GetData(ClipboardFormat) const override { return std::nullopt; }
};

void WriteNote(const QDir& folder, const QString& name, const QByteArray& text)
{
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

bool Save(QWidget& widget, const QString& path)
{
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir work;
    QDir notes(work.path());
    notes.mkdir(QStringLiteral("Notes"));
    notes.cd(QStringLiteral("Notes"));
    WriteNote(notes, QStringLiteral("Quarterly review.txt"), "Quarterly review\nSales Q3\n");
    WriteNote(notes, QStringLiteral("Product launch.md"), "Launch\nThe new range\n");
    WriteNote(notes, QStringLiteral("Team offsite.txt"), "Offsite\nPlans for spring\n");

    const CEmbeddedServers servers(notes.path().toStdString());
    QSettings settings(work.filePath(QStringLiteral("quillon.conf")), QSettings::IniFormat);
    COptionsStore store(settings);
    CMessageBox messages;
    const CLocalFileSystem fileSystem;
    CFileDialogPickers pickers;
    CEmptyClipboard clipboard;
    CDesktopOpener desktop;
    CQuillonDlg dialog({messages, fileSystem, store, pickers, clipboard, desktop});
    dialog.show();
    bool ok = Save(dialog, output + QStringLiteral("/main-dialog.png"));

    COptionsDlg options(pickers, &dialog);
    options.m_template = 1;
    options.m_templateFile = "/usr/share/quillon/quillon.pot";
    options.m_save = 1;
    options.m_saveFolder = "/home/ann/Talks";
    options.m_leave = 1;
    QTimer::singleShot(0, &options, [&] {
        ok = Save(options, output + QStringLiteral("/options-dialog.png")) && ok;
        options.reject();
    });
    options.DoModal();
    return ok ? 0 : 1;
}
