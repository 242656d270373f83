// SPDX-License-Identifier: MIT
#include "DispatchObject.h"
#include "NotesFolderServer.h"
#include "OutlookNoteSource.h"
#include "RecordingNoteList.h"
#include "TempFolder.h"

#include <QDate>
#include <QLocale>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The notes source against the real notes server over a folder on disk.
class NotesFolderListing : public ::testing::Test
{
protected:
    void List() { ListOutlookNotes(m_application, m_list, m_noteRefs, m_outlookAvailable); }

    CTempFolder m_folder;
    Outlook::Application m_application;
    CRecordingNoteList m_list;
    CNoteRefArray m_noteRefs;
    std::int32_t m_outlookAvailable = -1;
};

TEST_F(NotesFolderListing, ListsEveryNoteFileWithItsDatesAndGivesItsText)
{
    const CProgIdRegistration registration("Outlook.Application",
                                           CNotesFolderServer::Factory(m_folder.Path()));
    const auto path = m_folder.Write("Quarterly review.md", "review\r\nQuarterly review\r\n");
    m_folder.Write("Kickoff.txt", "kickoff\nKickoff\n-Agenda\n");
    // 2024-03-05 at noon, local time: the date is the same in every zone.
    struct tm noon = {};
    noon.tm_year = 124;
    noon.tm_mon = 2;
    noon.tm_mday = 5;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const struct timespec times[2] = {{std::mktime(&noon), 0}, {std::mktime(&noon), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    List();
    EXPECT_EQ(m_outlookAvailable, 1);
    const auto& rows = m_list.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts[0], "Kickoff");
    EXPECT_EQ(rows[1].texts[0], "Quarterly review");
    const std::string march5 =
        QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat).toStdString();
    EXPECT_EQ(rows[1].texts[2], march5);
    EXPECT_FALSE(rows[1].texts[1].empty());
    EXPECT_EQ(GetNoteBody(m_noteRefs.GetAt(rows[1].itemData)), "review\r\nQuarterly review\r\n");
    EXPECT_EQ(GetNoteBody(m_noteRefs.GetAt(rows[0].itemData)), "kickoff\nKickoff\n-Agenda\n");
    EXPECT_LT(CompareNotes(rows[0].itemData, rows[1].itemData, 0, true, m_noteRefs), 0);
}

TEST_F(NotesFolderListing, WithoutTheFolderNothingIsListedAndNothingHeld)
{
    const CProgIdRegistration registration(
        "Outlook.Application", CNotesFolderServer::Factory(m_folder.Path() / "missing"));
    const long before = CDispatchObject::LiveObjects();
    List();
    EXPECT_EQ(m_outlookAvailable, 0);
    EXPECT_TRUE(m_list.Rows().empty());
    EXPECT_EQ(CDispatchObject::LiveObjects(), before);
}

} // namespace
