// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The item data of the list's fixed clipboard row; every other row's item
// data is the index of its note in the note references.
inline constexpr int ClipboardItemData = -123;

// The main dialog's note list, as the note sources fill it. Texts are UTF-8.
class INoteList
{
public:
    virtual ~INoteList() = default;

    // Inserts a row with the text in column 0 where the list's own text
    // order puts it, and gives the row's position.
    virtual int InsertItem(const std::string& text) = 0;
    virtual void SetItemText(int row, int column, const std::string& text) = 0;
    virtual void SetItemData(int row, int itemData) = 0;
};
