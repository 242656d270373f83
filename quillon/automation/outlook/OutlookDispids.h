// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

// Member ids of the mail application's object model, as far as the notes
// listing reaches into it. Each name says the object kind it belongs to.
namespace OutlookDispid {
inline constexpr DISPID ApplicationGetNamespace = 272;
inline constexpr DISPID NameSpaceLogon = 8453;
inline constexpr DISPID NameSpaceGetDefaultFolder = 8459;
inline constexpr DISPID MAPIFolderItems = 12544;
inline constexpr DISPID ItemsCount = 80;
inline constexpr DISPID ItemsItem = 81;
inline constexpr DISPID NoteItemMessageClass = 26;
inline constexpr DISPID NoteItemSubject = 63392;
inline constexpr DISPID NoteItemCreationTime = 12295;
inline constexpr DISPID NoteItemLastModificationTime = 12296;
inline constexpr DISPID NoteItemBody = 37120;
} // namespace OutlookDispid

// Values of the application's enumerations and names that the notes source
// passes.
namespace OutlookConstant {
inline constexpr const char* ProgId = "Outlook.Application";
inline constexpr const char* NamespaceMapi = "MAPI";
inline constexpr int olFolderNotes = 12;
} // namespace OutlookConstant
