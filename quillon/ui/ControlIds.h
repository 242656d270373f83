// SPDX-License-Identifier: MIT
#pragma once

// The dialogs' numeric control ids. Each widget carries its id in the
// "controlId" property, so a control can be found by the number that stored
// notes and help texts use for it.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Main dialog.
inline constexpr int IDC_NOTE_LIST = 1000;
inline constexpr int IDC_CREATE = 1001;
inline constexpr int IDC_OPTIONS = 1002;
inline constexpr int IDC_HELP_BUTTON = 1012;

// Options dialog.
inline constexpr int IDC_SAVE_FOLDER = 1001;
inline constexpr int IDC_BROWSE_FOLDER = 1002;
inline constexpr int IDC_APPLY_TEMPLATE = 1004;
inline constexpr int IDC_TEMPLATE_FILE = 1005;
inline constexpr int IDC_BROWSE_TEMPLATE = 1006;
inline constexpr int IDC_SAVE_PRESENTATIONS = 1007;
inline constexpr int IDC_OVERWRITE = 1008;
inline constexpr int IDC_LEAVE_OPEN = 1009;
inline constexpr int IDC_CLOSE_AFTER = 1010;
inline constexpr int IDC_SAVE_FORMAT = 1011;

// Item data and text of the list row that stands for the clipboard.
inline constexpr int kClipboardItemData = -123;
inline constexpr const char* kClipboardRowText = "** Clipboard / Palm Desktop **";
