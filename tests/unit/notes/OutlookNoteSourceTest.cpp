// SPDX-License-Identifier: MIT
#include "OutlookNoteSource.h"

#include "DispatchObject.h"
#include "RecordingNoteList.h"
#include "RecordingOutlook.h"
#include "ServerException.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using Note = CRecordingOutlookServer::Note;
using Strings = std::vector<std::string>;

// 2024-03-05 and 2024-04-10, at some time of day.
constexpr double MarchFifth = 45356.75;
constexpr double AprilTenth = 45392.25;

std::string ShortDate(int year, int month, int day)
{
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat).toStdString();
}

Note Sticky(std::string subject, std::string messageClass = "IPM.StickyNote")
{
    return {std::move(messageClass), std::move(subject), MarchFifth, AprilTenth, "body"};
}

class OutlookNoteSource : public ::testing::Test
{
protected:
    void List() { ListOutlookNotes(m_application, m_list, m_noteRefs, m_outlookAvailable); }

    const long m_liveBefore = CDispatchObject::LiveObjects();
    Outlook::Application m_application;
    CRecordingNoteList m_list;
    CNoteRefArray m_noteRefs;
    std::int32_t m_outlookAvailable = -1;
};

TEST_F(OutlookNoteSource, WalksTheNotesFolderWithTheExactCallsAndArgumentForms)
{
    CRecordingOutlookServer server(
        {Sticky("Plan"), Sticky("Mail", "IPM.Note"), Sticky("Zebra", "IPM.STICKYNOTE")});
    List();
    const Strings expected{
        "Application.GetNamespace(\"MAPI\")",
        "NameSpace.Logon(missing, missing, missing, missing)",
        "NameSpace.GetDefaultFolder(12)",
        "Notes.Items",
        "Items.Count",
        "Items.Item(1)",
        "Item1.MessageClass",
        "Item1.Subject",
        "Item1.CreationTime",
        "Item1.LastModificationTime",
        "Items.Item(2)",
        "Item2.MessageClass",
        "Items.Item(3)",
        "Item3.MessageClass",
        "Item3.Subject",
        "Item3.CreationTime",
        "Item3.LastModificationTime",
    };
    EXPECT_EQ(server.Calls(), expected);
    for (const auto& invocation : server.Invocations()) {
        if (invocation.dispid == 81) {
            EXPECT_EQ(invocation.argTypes, Strings{"I4"});
        }
        if (invocation.dispid == 8453) {
            EXPECT_EQ(invocation.argTypes, Strings(4, "ERROR"));
        }
    }
    EXPECT_EQ(m_outlookAvailable, 1);
}

TEST_F(OutlookNoteSource, ListsStickyNotesWithDateOnlyColumnsAndTheirReferenceIndex)
{
    CRecordingOutlookServer server({Sticky("Zebra"), Sticky("Mail", "IPM.Note"),
                                    Sticky("apple", "IPM.StickyNote.Custom"), Sticky("")});
    List();
    const auto& rows = m_list.Rows();
    ASSERT_EQ(rows.size(), 3u);
    // Rows stand in the list's text order; item data follows the note.
    EXPECT_EQ(rows[0].texts[0], "");
    EXPECT_EQ(rows[0].itemData, 2);
    EXPECT_EQ(rows[1].texts[0], "Zebra");
    EXPECT_EQ(rows[1].itemData, 0);
    EXPECT_EQ(rows[2].texts[0], "apple");
    EXPECT_EQ(rows[2].itemData, 1);
    for (const auto& row : rows) {
        EXPECT_EQ(row.texts[1], ShortDate(2024, 3, 5));
        EXPECT_EQ(row.texts[2], ShortDate(2024, 4, 10));
    }
    ASSERT_EQ(m_noteRefs.GetSize(), 3);
    EXPECT_EQ(m_noteRefs.GetAt(1).GetSubject(), "apple");
}

TEST_F(OutlookNoteSource, AnEmptyFolderListsNothing)
{
    CRecordingOutlookServer server;
    List();
    EXPECT_EQ(m_outlookAvailable, 1);
    EXPECT_TRUE(m_list.Rows().empty());
    EXPECT_EQ(server.Calls().back(), "Items.Count");
    EXPECT_EQ(m_noteRefs.GetSize(), 0);
}

TEST_F(OutlookNoteSource, WithoutTheMailApplicationNothingIsListedOrCalled)
{
    CRecordingOutlookServer server({Sticky("Plan")});
    server.SetStartFails(true);
    List();
    EXPECT_EQ(m_outlookAvailable, 0);
    EXPECT_TRUE(m_list.Rows().empty());
    EXPECT_TRUE(server.Calls().empty());
    EXPECT_TRUE(m_application.IsEmpty());
}

TEST_F(OutlookNoteSource, AnErrorMidListKeepsTheRowsBeforeItAndReleasesTheRest)
{
    {
        CRecordingOutlookServer server({Sticky("One"), Sticky("Two"), Sticky("Three")});
        server.FailOn("Item2.LastModificationTime", "The item has been deleted.");
        try {
            List();
            FAIL() << "no exception";
        } catch (const CServerException& error) {
            EXPECT_EQ(error.Description(), "The item has been deleted.");
        }
        EXPECT_EQ(server.Calls().back(), "Item2.LastModificationTime");
        const auto& rows = m_list.Rows();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].texts[0], "One");
        EXPECT_TRUE(rows[0].hasItemData);
        // The failing note's row is in, its first date too, but it has no
        // reference and no item data.
        EXPECT_EQ(rows[1].texts[0], "Two");
        EXPECT_EQ(rows[1].texts[1], ShortDate(2024, 3, 5));
        EXPECT_FALSE(rows[1].hasItemData);
        EXPECT_EQ(m_noteRefs.GetSize(), 1);
        // Only the application and the one listed note are still held.
        EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveBefore + 2);
        m_application.ReleaseDispatch();
        m_noteRefs.RemoveAll();
    }
    EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveBefore);
}

TEST_F(OutlookNoteSource, HoldsOneReferencePerListedNoteAndNothingElse)
{
    CRecordingOutlookServer server({Sticky("One"), Sticky("Mail", "IPM.Note"), Sticky("Two")});
    List();
    EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveBefore + 3);
    m_application.ReleaseDispatch();
    EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveBefore + 2);
    m_noteRefs.RemoveAll();
    EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveBefore);
}

TEST_F(OutlookNoteSource, GetNoteBodyReadsTheCurrentTextThroughTheReference)
{
    CRecordingOutlookServer server({Sticky("Plan")});
    List();
    server.NoteAt(1).body = "Plan\r\nedited after listing\r\n";
    server.ClearCalls();
    EXPECT_EQ(GetNoteBody(m_noteRefs.GetAt(0)), "Plan\r\nedited after listing\r\n");
    EXPECT_EQ(server.Calls(), Strings{"Item1.Body"});
}

TEST(StickyClass, MatchesStickyInAnyCaseAnywhere)
{
    EXPECT_TRUE(IsStickyClass("IPM.StickyNote"));
    EXPECT_TRUE(IsStickyClass("ipm.stickynote"));
    EXPECT_TRUE(IsStickyClass("IPM.STICKYNOTE"));
    EXPECT_TRUE(IsStickyClass("x.sTiCkY"));
    EXPECT_FALSE(IsStickyClass("IPM.Note"));
    EXPECT_FALSE(IsStickyClass("IPM.Stick yNote"));
    EXPECT_FALSE(IsStickyClass(""));
}

TEST(NoteRefArray, GrowsAsTheFrameworksArraysDoAndAddsAReference)
{
    CNoteRefArray refs;
    std::vector<std::size_t> capacities;
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(refs.Add(Outlook::NoteItem()), i);
        capacities.push_back(refs.Capacity());
    }
    const std::vector<std::size_t> expected{1, 5, 5, 5, 5, 9, 9, 9, 9, 13, 13, 13, 13, 17};
    EXPECT_EQ(capacities, expected);
    EXPECT_THROW(refs.GetAt(14), std::out_of_range);
    EXPECT_THROW(refs.GetAt(-1), std::out_of_range);
}

} // namespace
