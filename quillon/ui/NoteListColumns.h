// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <array>

class QTreeWidget;

// The note list's three columns, "Name", "Created" and "Revised", sized from
// the font in use. They keep the proportions 175 : 80 : 80 that they have at
// the original dialog font, scaled by the font's average character width,
// but are never narrower than what they must show whole: the clipboard
// row's text, the widest date of the locale's short format, their headers.
// The last column takes whatever width the list has beyond them.
std::array<int, 3> NoteListColumnWidths(const QTreeWidget& list, const QLocale& locale);

// Sizes the columns as above for the dates of the locale, and makes the
// list at least wide enough to show them without scrolling sideways.
void SizeNoteListColumns(QTreeWidget& list, const QLocale& locale = QLocale());
