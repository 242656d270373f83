// SPDX-License-Identifier: MIT
#include "QuillonApp.h"

#include "DesktopOpener.h"
#include "EmbeddedServers.h"
#include "FilePickers.h"
#include "OptionsStore.h"
#include "QtClipboard.h"
#include "QuillonDlg.h"

CQuillonApp::CQuillonApp(IUserMessages& messages, AutomationStarter startAutomation,
                         DialogRunner runDialog)
    : m_messages(messages), m_startAutomation(std::move(startAutomation)),
      m_runDialog(std::move(runDialog))
{}

CQuillonApp::~CQuillonApp() = default;

bool CQuillonApp::InitInstance()
{
    const std::unique_ptr<CEmbeddedServers> servers = m_startAutomation();
    if (!servers) {
        // The options are neither read nor written: no dialog is made.
        m_messages.ShowMessage("Could not initialize COM services", MB_OK);
        return false;
    }
    COptionsStore optionsStore;
    const CLocalFileSystem fileSystem;
    CFileDialogPickers pickers;
    CQtClipboard clipboard;
    CDesktopOpener desktop;
    QuillonDlgServices services{m_messages, fileSystem, optionsStore, pickers, clipboard, desktop};
    m_runDialog(services);
    return false;
}

void CQuillonApp::RunMainDialog(QuillonDlgServices& services)
{
    CQuillonDlg dialog(services);
    dialog.DoModal();
}
