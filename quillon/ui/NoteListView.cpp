// SPDX-License-Identifier: MIT
#include "NoteListView.h"

#include <QTreeWidget>

int CNoteListView::InsertItem(const std::string& text)
{
    const QString rowText = QString::fromStdString(text);
    int row = 0;
    while (row < m_list.topLevelItemCount() &&
           QString::compare(m_list.topLevelItem(row)->text(0), rowText, Qt::CaseInsensitive) <= 0)
        ++row;
    auto* item = new QTreeWidgetItem(QStringList{rowText});
    m_list.insertTopLevelItem(row, item);
    return row;
}

void CNoteListView::SetItemText(int row, int column, const std::string& text)
{
    if (QTreeWidgetItem* item = m_list.topLevelItem(row))
        item->setText(column, QString::fromStdString(text));
}

void CNoteListView::SetItemData(int row, int itemData)
{
    if (QTreeWidgetItem* item = m_list.topLevelItem(row))
        item->setData(0, Qt::UserRole, itemData);
}

int CNoteListView::ItemData(const QTreeWidget& list, int row)
{
    const QTreeWidgetItem* item = list.topLevelItem(row);
    return item != nullptr ? item->data(0, Qt::UserRole).toInt() : 0;
}
