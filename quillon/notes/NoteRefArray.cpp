// SPDX-License-Identifier: MIT
#include "NoteRefArray.h"

#include <algorithm>
#include <stdexcept>
#include <string>

int CNoteRefArray::Add(const Outlook::NoteItem& note)
{
    const std::size_t size = m_notes.size();
    if (size == m_notes.capacity()) {
        const std::size_t growBy = std::clamp<std::size_t>(size / 8, 4, 1024);
        m_notes.reserve(size == 0 ? 1 : size + growBy);
    }
    m_notes.push_back(note);
    return static_cast<int>(size);
}

const Outlook::NoteItem& CNoteRefArray::GetAt(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_notes.size())
        throw std::out_of_range("No note reference at index " + std::to_string(index) + ".");
    return m_notes[static_cast<std::size_t>(index)];
}
