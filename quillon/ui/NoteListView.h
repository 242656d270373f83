// SPDX-License-Identifier: MIT
#pragma once

#include "NoteList.h"

class QTreeWidget;

// The note sources' view of the main dialog's list: rows go where their text
// sorts, ascending and without regard to case, as they are inserted.
class CNoteListView final : public INoteList
{
public:
    explicit CNoteListView(QTreeWidget& list) : m_list(list) {}

    int InsertItem(const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text) override;
    void SetItemData(int row, int itemData) override;

    // The item data of a row, as SetItemData stored it.
    static int ItemData(const QTreeWidget& list, int row);

private:
    QTreeWidget& m_list;
};
