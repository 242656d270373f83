// SPDX-License-Identifier: MIT
#pragma once

#include "NoteList.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

// A note list that keeps its rows in text order, as the dialog's list does,
// and remembers what was put where.
class CRecordingNoteList final : public INoteList
{
public:
    struct Row
    {
        std::array<std::string, 3> texts;
        int itemData = 0;
        bool hasItemData = false;
    };

    int InsertItem(const std::string& text) override
    {
        const auto at =
            std::upper_bound(m_rows.begin(), m_rows.end(), text,
                             [](const std::string& t, const Row& row) { return t < row.texts[0]; });
        Row row;
        row.texts[0] = text;
        const auto inserted = m_rows.insert(at, row);
        return static_cast<int>(inserted - m_rows.begin());
    }

    void SetItemText(int row, int column, const std::string& text) override
    {
        m_rows.at(static_cast<std::size_t>(row)).texts.at(static_cast<std::size_t>(column)) = text;
    }

    void SetItemData(int row, int itemData) override
    {
        Row& target = m_rows.at(static_cast<std::size_t>(row));
        target.itemData = itemData;
        target.hasItemData = true;
    }

    const std::vector<Row>& Rows() const noexcept { return m_rows; }

private:
    std::vector<Row> m_rows;
};
