// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

class CEmbeddedServers;
class IUserMessages;
struct QuillonDlgServices;

// The program: starts the automation services, then runs the main dialog
// until it ends. There is no other window and no loop of its own.
class CQuillonApp
{
public:
    // Starts the servers the program talks to; nothing when they cannot run.
    using AutomationStarter = std::function<std::unique_ptr<CEmbeddedServers>()>;
    // Runs the main dialog modally with the given services.
    using DialogRunner = std::function<void(QuillonDlgServices&)>;

    CQuillonApp(IUserMessages& messages, AutomationStarter startAutomation, DialogRunner runDialog);
    ~CQuillonApp();
    CQuillonApp(const CQuillonApp&) = delete;
    CQuillonApp& operator=(const CQuillonApp&) = delete;

    // The whole program; false on every path, as nothing follows it.
    bool InitInstance();

    static void RunMainDialog(QuillonDlgServices& services);

private:
    IUserMessages& m_messages;
    AutomationStarter m_startAutomation;
    DialogRunner m_runDialog;
};
