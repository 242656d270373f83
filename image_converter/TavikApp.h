// SPDX-License-Identifier: MIT
#pragma once

class IDesktopOpener;
class IFilePicker;
class IMessageBox;

// The image converter program: it asks for one GIF image, wraps it into a
// Palm database beside it and hands that to the desktop, which is expected to
// start the install tool. It has no window of its own, reads no arguments and
// remembers nothing between runs; what goes wrong is told in one message box.
class CTavikApp
{
public:
    CTavikApp(IFilePicker& picker, IDesktopOpener& desktop, IMessageBox& messages);

    // The whole run. Always false: there is no message loop to enter after it.
    bool InitInstance();

private:
    IFilePicker& m_picker;
    IDesktopOpener& m_desktop;
    IMessageBox& m_messages;
};
