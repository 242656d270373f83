// SPDX-License-Identifier: MIT
#pragma once

#include "NoteList.h"
#include "NoteRefArray.h"
#include "outlook/Application.h"
#include "outlook/NoteItem.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The notes of the mail application's default Notes folder, for the main
// dialog. Automation errors (CServerException, CStatusError) are not caught
// here: they end the operation at the failing call, after every reference
// taken on the way has been released, and reach the caller.

// Starts the mail application into `application` (which the caller releases
// once its list is complete) and adds one row per sticky note of its Notes
// folder, with the note's subject, its creation date in column 1 and its
// last modification date in column 2; each listed note gets one more
// reference in noteRefs, and its row the index of that reference as item
// data. outlookAvailable becomes 1 when the application could be started,
// else 0, and then nothing is listed and nothing is said. Rows inserted
// before an error stay.
void ListOutlookNotes(Outlook::Application& application, INoteList& list, CNoteRefArray& noteRefs,
                      std::int32_t& outlookAvailable);

// The note's whole text, as the application gives it.
std::string GetNoteBody(Outlook::NoteItem note);

// Whether a message class is that of a note: "sticky" in any mix of case.
bool IsStickyClass(std::string messageClass);

// The main dialog's sort comparison of two rows by their item data: negative
// when row 1 goes first, positive when row 2 does, 0 when equal. The
// clipboard row goes first in either direction. Column 0 compares subjects
// with ASCII letters folded, bytes otherwise; columns 1 and 2 put the later
// creation or modification first, to the full time. Every call reads the
// values afresh; ascending false turns the order round.
int CompareNotes(int itemData1, int itemData2, int column, bool ascending,
                 const CNoteRefArray& noteRefs);

// The new order of the rows whose item data are given, for a sort by a
// column: positions into itemData, the clipboard row first in either
// direction, rows that compare equal in their old order. Each note's value
// is read once, before any comparison, so a note that changes during the
// sort cannot make the order contradict itself.
std::vector<std::size_t> SortNoteRows(const std::vector<int>& itemData, int column, bool ascending,
                                      const CNoteRefArray& noteRefs);
