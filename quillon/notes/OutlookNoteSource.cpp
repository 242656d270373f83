// SPDX-License-Identifier: MIT
#include "OutlookNoteSource.h"

#include "NoteDates.h"
#include "Variant.h"
#include "outlook/OutlookDispids.h"

#include <algorithm>
#include <numeric>

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareSubjects(const std::string& first, const std::string& second)
{
    const auto [a, b] =
        std::mismatch(first.begin(), first.end(), second.begin(), second.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
    if (a == first.end())
        return b == second.end() ? 0 : -1;
    if (b == second.end())
        return 1;
    return static_cast<unsigned char>(LowerAscii(*a)) < static_cast<unsigned char>(LowerAscii(*b))
               ? -1
               : 1;
}

// What a row is compared by in one column, read once.
struct NoteSortKey
{
    bool clipboard = false;
    std::string subject;
    double date = 0.0;
};

NoteSortKey ReadSortKey(int itemData, int column, const CNoteRefArray& noteRefs)
{
    NoteSortKey key;
    if (itemData == ClipboardItemData) {
        key.clipboard = true;
        return key;
    }
    const Outlook::NoteItem note = noteRefs.GetAt(itemData);
    if (column == 0)
        key.subject = note.GetSubject();
    else if (column == 1)
        key.date = note.GetCreationTime();
    else if (column == 2)
        key.date = note.GetLastModificationTime();
    return key;
}

int CompareSortKeys(const NoteSortKey& key1, const NoteSortKey& key2, int column, bool ascending)
{
    if (key1.clipboard || key2.clipboard)
        return key1.clipboard == key2.clipboard ? 0 : key1.clipboard ? -1 : 1;
    int result = 0;
    if (column == 0)
        result = CompareSubjects(key1.subject, key2.subject);
    else if (column == 1 || column == 2)
        result = CompareNoteDates(key1.date, key2.date);
    return ascending ? result : -result;
}

void AddNoteRow(const Outlook::NoteItem& item, INoteList& list, CNoteRefArray& noteRefs)
{
    const int row = list.InsertItem(item.GetSubject());
    list.SetItemText(row, 1, NoteDateText(item.GetCreationTime()));
    list.SetItemText(row, 2, NoteDateText(item.GetLastModificationTime()));
    list.SetItemData(row, noteRefs.Add(item));
}

} // namespace

bool IsStickyClass(std::string messageClass)
{
    std::transform(messageClass.begin(), messageClass.end(), messageClass.begin(), LowerAscii);
    return messageClass.find("sticky") != std::string::npos;
}

void ListOutlookNotes(Outlook::Application& application, INoteList& list, CNoteRefArray& noteRefs,
                      std::int32_t& outlookAvailable)
{
    outlookAvailable = application.CreateDispatch(OutlookConstant::ProgId) ? 1 : 0;
    if (outlookAvailable == 0)
        return;
    // Declared in the order that makes the scope's end release the items,
    // the folder, the missing-argument variant and the namespace, in turn.
    const Outlook::NameSpace nameSpace = application.GetNamespace(OutlookConstant::NamespaceMapi);
    const CVariant missing = CVariant::Missing();
    nameSpace.Logon(missing, missing, missing, missing);
    const Outlook::MAPIFolder folder = nameSpace.GetDefaultFolder(OutlookConstant::olFolderNotes);
    const Outlook::Items items = folder.GetItems();
    const std::int32_t count = items.GetCount();
    for (std::int32_t position = 1; position <= count; ++position) {
        const CVariant index(position);
        const Outlook::NoteItem item = items.Item(index);
        if (IsStickyClass(item.GetMessageClass()))
            AddNoteRow(item, list, noteRefs);
    }
}

std::string GetNoteBody(Outlook::NoteItem note)
{
    return note.GetBody();
}

int CompareNotes(int itemData1, int itemData2, int column, bool ascending,
                 const CNoteRefArray& noteRefs)
{
    if (itemData1 == ClipboardItemData)
        return -1;
    if (itemData2 == ClipboardItemData)
        return 1;
    const NoteSortKey key1 = ReadSortKey(itemData1, column, noteRefs);
    const NoteSortKey key2 = ReadSortKey(itemData2, column, noteRefs);
    return CompareSortKeys(key1, key2, column, ascending);
}

std::vector<std::size_t> SortNoteRows(const std::vector<int>& itemData, int column, bool ascending,
                                      const CNoteRefArray& noteRefs)
{
    std::vector<NoteSortKey> keys;
    keys.reserve(itemData.size());
    for (const int data : itemData)
        keys.push_back(ReadSortKey(data, column, noteRefs));
    std::vector<std::size_t> order(itemData.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareSortKeys(keys[a], keys[b], column, ascending) < 0;
    });
    return order;
}
