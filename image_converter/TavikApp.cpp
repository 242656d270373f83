// SPDX-License-Identifier: MIT
#include "TavikApp.h"

#include "DesktopOpener.h"
#include "FilePicker.h"
#include "MessageBox.h"
#include "PalmDatabaseWriter.h"

#include <optional>
#include <string>

namespace {

constexpr const char* kConvertFailedText = "Error: could not convert and install the image.";
constexpr const char* kLaunchFailedText =
    "Error: cannot launch Palm Install tool. File installation cancelled.";

} // namespace

CTavikApp::CTavikApp(IFilePicker& picker, IDesktopOpener& desktop, IMessageBox& messages)
    : m_picker(picker), m_desktop(desktop), m_messages(messages)
{}

bool CTavikApp::InitInstance()
{
    const std::optional<std::string> imagePath = m_picker.PickImage();
    if (!imagePath)
        return false;

    std::string result;
    if (!ConvertGifToPdb(*imagePath, result)) {
        // The conversion's own line first, so the user reads the cause above the consequence.
        m_messages.ShowMessage(result + "\n" + kConvertFailedText);
        return false;
    }
    // A database the desktop would not take stays where it is, for the user to install by hand.
    if (!m_desktop.OpenFile(result))
        m_messages.ShowMessage(kLaunchFailedText);
    return false;
}
