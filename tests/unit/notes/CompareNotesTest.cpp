// SPDX-License-Identifier: MIT
#include "AutomationException.h"
#include "DispatchObject.h"
#include "NoteDates.h"
#include "OutlookNoteSource.h"
#include "RecordingNoteList.h"
#include "RecordingOutlook.h"
#include "StatusError.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using Note = CRecordingOutlookServer::Note;
using Strings = std::vector<std::string>;

constexpr bool Ascending = true;
constexpr bool Descending = false;

Note Dated(std::string subject, double created, double revised)
{
    return {"IPM.StickyNote", std::move(subject), created, revised, ""};
}

// Lists the server's notes; note i of the server has item data i - 1.
class CompareNotesTest : public ::testing::Test
{
protected:
    void List(std::vector<Note> notes)
    {
        for (std::size_t i = 0; i < notes.size(); ++i)
            m_server.NoteAt(static_cast<int>(i) + 1) = notes[i];
        CRecordingNoteList list;
        std::int32_t available = 0;
        ListOutlookNotes(m_application, list, m_noteRefs, available);
        m_server.ClearCalls();
    }

    int Compare(int itemData1, int itemData2, int column, bool ascending) const
    {
        return CompareNotes(itemData1, itemData2, column, ascending, m_noteRefs);
    }

    CRecordingOutlookServer m_server{{Note(), Note(), Note()}};
    Outlook::Application m_application;
    CNoteRefArray m_noteRefs;
};

TEST_F(CompareNotesTest, TheClipboardRowGoesFirstInEveryColumnAndDirectionWithoutAnyCall)
{
    List({Dated("a", 1.0, 1.0), Dated("b", 2.0, 2.0), Dated("c", 3.0, 3.0)});
    for (int column = 0; column < 3; ++column) {
        for (const bool ascending : {Ascending, Descending}) {
            EXPECT_EQ(Compare(ClipboardItemData, 0, column, ascending), -1);
            EXPECT_EQ(Compare(2, ClipboardItemData, column, ascending), 1);
        }
    }
    EXPECT_TRUE(m_server.Calls().empty());
}

TEST_F(CompareNotesTest, NamesCompareWithoutRegardToAsciiCase)
{
    List({Dated("apple", 0, 0), Dated("Banana", 0, 0), Dated("APPLE", 0, 0)});
    EXPECT_LT(Compare(0, 1, 0, Ascending), 0);
    EXPECT_GT(Compare(1, 0, 0, Ascending), 0);
    EXPECT_EQ(Compare(0, 2, 0, Ascending), 0);
    EXPECT_GT(Compare(0, 1, 0, Descending), 0);
    EXPECT_EQ(m_server.Calls(),
              (Strings{"Item1.Subject", "Item2.Subject", "Item2.Subject", "Item1.Subject",
                       "Item1.Subject", "Item3.Subject", "Item1.Subject", "Item2.Subject"}));
}

TEST_F(CompareNotesTest, NamesFoldToLowerCaseAndCompareOtherBytesByValue)
{
    // Folding goes to lower case, so "_" (0x5F) sorts before any letter; a
    // name that is a prefix of the other goes first; bytes past ASCII
    // compare by value.
    List({Dated("_draft", 0, 0), Dated("Alpha", 0, 0), Dated("Alphabet", 0, 0)});
    EXPECT_LT(Compare(0, 1, 0, Ascending), 0);
    EXPECT_LT(Compare(1, 2, 0, Ascending), 0);
    m_server.NoteAt(1).subject = "\xC3\x89t\xC3\xA9";
    EXPECT_GT(Compare(0, 1, 0, Ascending), 0);
}

TEST_F(CompareNotesTest, DatesCompareInFullNewestFirst)
{
    // Same day, morning and evening: the rows show one date, the order
    // still knows which is newer.
    List({Dated("morning", 45356.25, 45400.0), Dated("evening", 45356.75, 45300.0),
          Dated("twin", 45356.25, 45400.0)});
    EXPECT_GT(Compare(0, 1, 1, Ascending), 0);
    EXPECT_LT(Compare(1, 0, 1, Ascending), 0);
    EXPECT_LT(Compare(0, 1, 1, Descending), 0);
    EXPECT_EQ(Compare(0, 2, 1, Ascending), 0);
    // Revised reads the other date.
    m_server.ClearCalls();
    EXPECT_LT(Compare(0, 1, 2, Ascending), 0);
    EXPECT_EQ(m_server.Calls(),
              (Strings{"Item1.LastModificationTime", "Item2.LastModificationTime"}));
}

TEST_F(CompareNotesTest, EveryComparisonReadsTheCurrentValues)
{
    List({Dated("alpha", 45356.0, 0), Dated("beta", 45357.0, 0), Dated("gamma", 0, 0)});
    EXPECT_LT(Compare(0, 1, 0, Ascending), 0);
    m_server.NoteAt(1).subject = "omega";
    m_server.NoteAt(1).creationTime = 45358.0;
    EXPECT_GT(Compare(0, 1, 0, Ascending), 0);
    EXPECT_LT(Compare(0, 1, 1, Ascending), 0);
}

TEST_F(CompareNotesTest, TakesAndGivesBackItsOwnReferences)
{
    List({Dated("a", 0, 0), Dated("b", 0, 0), Dated("c", 0, 0)});
    const long before = CDispatchObject::LiveObjects();
    m_server.FailOn("Item2.Subject", "The item has been deleted.");
    EXPECT_THROW(Compare(0, 1, 0, Ascending), CAutomationException);
    EXPECT_EQ(Compare(0, 2, 3, Ascending), 0);
    EXPECT_EQ(CDispatchObject::LiveObjects(), before);
}

TEST_F(CompareNotesTest, ASortReadsEachNoteOnceBeforeComparingAndKeepsTheClipboardFirst)
{
    List({Dated("b", 0, 0), Dated("a", 0, 0), Dated("c", 0, 0)});
    // Each read finds the note newer than at any read before.
    double clock = 45000.0;
    m_server.BeforeEachRead([&](Note& note, const std::string&) { note.creationTime = ++clock; });
    const std::vector<int> rows{0, ClipboardItemData, 1, 2};
    EXPECT_EQ(SortNoteRows(rows, 1, Ascending, m_noteRefs), (std::vector<std::size_t>{1, 3, 2, 0}));
    EXPECT_EQ(m_server.Calls(),
              (Strings{"Item1.CreationTime", "Item2.CreationTime", "Item3.CreationTime"}));
    EXPECT_EQ(SortNoteRows(rows, 1, Descending, m_noteRefs),
              (std::vector<std::size_t>{1, 0, 2, 3}));
    EXPECT_EQ(SortNoteRows(rows, 0, Descending, m_noteRefs),
              (std::vector<std::size_t>{1, 3, 0, 2}));
}

TEST(NoteDates, DateTextIsTheDatePartInTheLocalesShortFormat)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(NoteDateText(45356.0, german), "05.03.24");
    EXPECT_EQ(NoteDateText(45356.999, german), "05.03.24");
    EXPECT_EQ(NoteDateText(45356.999, american), "3/5/24");
    EXPECT_EQ(NoteDateText(0.0, german), "30.12.99");
    // Before the epoch the fraction is the time of day: still 1899-12-29.
    EXPECT_EQ(NoteDateText(-1.75, german), "29.12.99");
    EXPECT_EQ(NoteDateText(-657434.0, american), "1/1/00");
    EXPECT_EQ(NoteDateText(2958465.5, german), "31.12.99");
}

TEST(NoteDates, ADateOutsideTheAutomationRangeCannotBeShown)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_THROW(NoteDateText(2958466.0, german), CStatusError);
    EXPECT_THROW(NoteDateText(-657435.0, german), CStatusError);
    EXPECT_THROW(NoteDateText(std::nan(""), german), CStatusError);
}

TEST(NoteDates, LaterMomentsComeFirstAlsoBeforeTheEpoch)
{
    EXPECT_EQ(CompareNoteDates(45356.75, 45356.25), -1);
    EXPECT_EQ(CompareNoteDates(45356.25, 45356.75), 1);
    EXPECT_EQ(CompareNoteDates(2.0, 2.0), 0);
    // On 1899-12-29, noon (-1.5) is later than six in the morning (-1.25).
    EXPECT_EQ(CompareNoteDates(-1.5, -1.25), -1);
    EXPECT_EQ(CompareNoteDates(-1.25, 0.0), 1);
    // -0.5 and 0.5 are both noon of the epoch day.
    EXPECT_EQ(CompareNoteDates(-0.5, 0.5), 0);
}

} // namespace
