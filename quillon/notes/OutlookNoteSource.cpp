#include "OutlookNoteSource.h"

#include "NoteDates.h"
#include "Variant.h"
#include "outlook/OutlookDispids.h"

#include <algorithm>

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
    const Outlook::NoteItem note1 = noteRefs.GetAt(itemData1);
    const Outlook::NoteItem note2 = noteRefs.GetAt(itemData2);
    int result = 0;
    if (column == 0) {
        const std::string subject1 = note1.GetSubject();
        result = CompareSubjects(subject1, note2.GetSubject());
    } else if (column == 1) {
        const double created1 = note1.GetCreationTime();
        result = CompareNoteDates(created1, note2.GetCreationTime());
    } else if (column == 2) {
        const double revised1 = note1.GetLastModificationTime();
        result = CompareNoteDates(revised1, note2.GetLastModificationTime());
    }
    return ascending ? result : -result;
}
