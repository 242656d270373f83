// SPDX-License-Identifier: MIT
#pragma once

#include "outlook/NoteItem.h"

#include <cstddef>
#include <vector>

// The counted references to the listed notes, in the order they were listed;
// a row's item data is its note's index here. Entries are only ever
// appended, and each holds its note for as long as the array lives.
class CNoteRefArray
{
public:
    // Appends one more reference to the note and gives its index. The room
    // grows as the framework's arrays grow: one element at first, then by an
    // eighth of the size, at least 4 and at most 1024 at a time.
    int Add(const Outlook::NoteItem& note);

    int GetSize() const noexcept { return static_cast<int>(m_notes.size()); }
    std::size_t Capacity() const noexcept { return m_notes.capacity(); }
    // Throws std::out_of_range for an index that no Add gave.
    const Outlook::NoteItem& GetAt(int index) const;
    void RemoveAll() noexcept { m_notes.clear(); }

private:
    std::vector<Outlook::NoteItem> m_notes;
};
