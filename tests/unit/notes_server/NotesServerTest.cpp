// SPDX-License-Identifier: MIT
#include "DispatchObject.h"
#include "NoteFile.h"
#include "NoteSize.h"
#include "NotesFolderServer.h"
#include "ServerException.h"
#include "StatusError.h"
#include "TempFolder.h"
#include "outlook/Application.h"

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// 2024-03-05 14:30:00 UTC, as the system clock and as an automation date.
constexpr std::int64_t MarchFifthUnix = 1709649000;
constexpr double MarchFifthDate = 45356.0 + 14.5 / 24.0;
// Days from the automation epoch to the system clock's.
constexpr double UnixEpochDate = 25569.0;

void SetModificationTime(const fs::path& path, std::int64_t seconds)
{
    const struct timespec times[2] = {{static_cast<time_t>(seconds), 0},
                                      {static_cast<time_t>(seconds), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

bool FileSystemKeepsBirthTime(const fs::path& path)
{
    struct statx status = {};
    return ::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &status) == 0 &&
           (status.stx_mask & STATX_BTIME) != 0;
}

class NotesServer : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Automation dates are local time; a fixed zone makes them exact.
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }

    Outlook::Items OpenNotes() const
    {
        Outlook::Application application;
        EXPECT_TRUE(application.CreateDispatch("Outlook.Application"));
        const Outlook::NameSpace nameSpace = application.GetNamespace("MAPI");
        const CVariant missing = CVariant::Missing();
        nameSpace.Logon(missing, missing, missing, missing);
        return nameSpace.GetDefaultFolder(12).GetItems();
    }

    Outlook::NoteItem OnlyNote() const
    {
        const Outlook::Items items = OpenNotes();
        EXPECT_EQ(items.GetCount(), 1);
        return items.Item(1);
    }

    CTempFolder m_folder;
    CProgIdRegistration m_registration{"Outlook.Application",
                                       CNotesFolderServer::Factory(m_folder.Path())};
};

TEST_F(NotesServer, ListsTextAndMarkdownFilesByNameAsStickyNotes)
{
    m_folder.Write("b talk.md", "Talk\n-Intro\n");
    m_folder.Write("a plan.txt", "Plan\r\nQ3 plan\r\n");
    m_folder.Write("C.TXT", "");
    m_folder.Write("minutes.doc", "not a note");
    m_folder.Write("readme", "not a note");
    m_folder.Write(".hidden.txt", "editor scratch");
    fs::create_directory(m_folder.Path() / "folder.txt");

    const Outlook::Items items = OpenNotes();
    ASSERT_EQ(items.GetCount(), 3);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"C", ""}, {"a plan", "Plan\r\nQ3 plan\r\n"}, {"b talk", "Talk\n-Intro\n"}};
    for (int position = 1; position <= 3; ++position) {
        const Outlook::NoteItem note = items.Item(position);
        const auto& [subject, body] = expected[static_cast<std::size_t>(position - 1)];
        EXPECT_EQ(note.GetSubject(), subject);
        EXPECT_EQ(note.GetBody(), body);
        EXPECT_EQ(note.GetMessageClass(), "IPM.StickyNote");
    }
}

TEST_F(NotesServer, DatesFollowTheFileTimesInLocalTime)
{
    const fs::path path = m_folder.Write("dated.txt", "Dated");
    SetModificationTime(path, MarchFifthUnix);
    const double now = UnixEpochDate + static_cast<double>(std::time(nullptr)) / 86400.0;

    const Outlook::NoteItem note = OnlyNote();
    EXPECT_NEAR(note.GetLastModificationTime(), MarchFifthDate, 1e-9);
    if (FileSystemKeepsBirthTime(path)) {
        // Born a moment ago, whatever the modification time says.
        EXPECT_NEAR(note.GetCreationTime(), now, 60.0 / 86400.0);
    } else {
        EXPECT_NEAR(note.GetCreationTime(), MarchFifthDate, 1e-9);
    }
}

TEST_F(NotesServer, AutomationDatesBeforeTheEpochCountTheTimeAwayFromZero)
{
    EXPECT_DOUBLE_EQ(AutomationDateFromUnixTime(0, 0), UnixEpochDate);
    EXPECT_DOUBLE_EQ(AutomationDateFromUnixTime(43200, 0), UnixEpochDate + 0.5);
    EXPECT_NEAR(AutomationDateFromUnixTime(MarchFifthUnix, 500000000),
                MarchFifthDate + 0.5 / 86400.0, 1e-9);
    // 1899-12-29 06:00 is day -1, a quarter day on.
    EXPECT_DOUBLE_EQ(AutomationDateFromUnixTime(-2209161600 - 86400 + 21600, 0), -1.25);
}

TEST_F(NotesServer, CannotBeCreatedWithoutItsFolder)
{
    const fs::path missing = m_folder.Path() / "Notes";
    const CProgIdRegistration registration("Outlook.Application",
                                           CNotesFolderServer::Factory(missing));
    Outlook::Application application;
    EXPECT_FALSE(application.CreateDispatch("Outlook.Application"));
    EXPECT_TRUE(application.IsEmpty());

    m_folder.Write("Notes", "a file, not a folder");
    EXPECT_FALSE(application.CreateDispatch("Outlook.Application"));

    // The folder is looked for at each start, so one made later is found.
    fs::remove(missing);
    fs::create_directory(missing);
    EXPECT_TRUE(application.CreateDispatch("Outlook.Application"));
}

TEST_F(NotesServer, DefaultFolderIsNotesInTheHomeFolder)
{
    const char* previous = std::getenv("HOME");
    const std::optional<std::string> saved =
        previous != nullptr ? std::optional<std::string>(previous) : std::nullopt;
    ::setenv("HOME", "/home/somebody", 1);
    EXPECT_EQ(CNotesFolderServer::DefaultFolder(), fs::path("/home/somebody/Notes"));
    if (saved)
        ::setenv("HOME", saved->c_str(), 1);
    else
        ::unsetenv("HOME");
}

TEST_F(NotesServer, ItemsKeepTheFolderAsItWasWhenAskedFor)
{
    m_folder.Write("one.txt", "1");
    const Outlook::Items before = OpenNotes();
    m_folder.Write("two.txt", "2");
    EXPECT_EQ(before.GetCount(), 1);
    EXPECT_EQ(OpenNotes().GetCount(), 2);
}

TEST_F(NotesServer, ReadsANoteAfreshAtEachRequest)
{
    const fs::path path = m_folder.Write("plan.txt", "old text");
    const Outlook::NoteItem note = OnlyNote();
    EXPECT_EQ(note.GetBody(), "old text");
    m_folder.Write("plan.txt", "new text");
    SetModificationTime(path, MarchFifthUnix);
    EXPECT_EQ(note.GetBody(), "new text");
    EXPECT_NEAR(note.GetLastModificationTime(), MarchFifthDate, 1e-9);
}

// Reading a note whose file went away, or was replaced by something that is
// not a file, raises a server exception that names the file.
TEST_F(NotesServer, ANoteFileThatWentAwayRaisesAServerExceptionNamingIt)
{
    const fs::path path = m_folder.Write("gone.txt", "soon gone");
    const Outlook::NoteItem note = OnlyNote();
    fs::remove(path);
    const std::string expected =
        "The note file \"" + path.string() + "\" cannot be read: No such file or directory.";
    try {
        note.GetBody();
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(), expected);
        EXPECT_EQ(error.Source(), "Notes folder");
    }
    EXPECT_THROW(note.GetCreationTime(), CServerException);
    EXPECT_THROW(note.GetLastModificationTime(), CServerException);
    EXPECT_EQ(note.GetSubject(), "gone");
}

TEST_F(NotesServer, ANoteFileReplacedByAFolderOrAPipeRaisesAServerException)
{
    const fs::path folder = m_folder.Write("folder.txt", "x");
    const fs::path pipe = m_folder.Write("pipe.txt", "x");
    const Outlook::Items items = OpenNotes();
    fs::remove(folder);
    fs::create_directory(folder);
    fs::remove(pipe);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    try {
        items.Item(1).GetBody();
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(),
                  "The note file \"" + folder.string() + "\" cannot be read: Is a directory.");
    }
    // A pipe with no writer must not hang the reader.
    try {
        items.Item(2).GetBody();
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(),
                  "The note file \"" + pipe.string() + "\" is not a plain file.");
    }
}

TEST_F(NotesServer, AFolderThatWentAwayRaisesAServerExceptionNamingIt)
{
    Outlook::Application application;
    ASSERT_TRUE(application.CreateDispatch("Outlook.Application"));
    const Outlook::MAPIFolder folder = application.GetNamespace("MAPI").GetDefaultFolder(12);
    fs::remove_all(m_folder.Path());
    try {
        folder.GetItems();
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(), "The notes folder \"" + m_folder.Path().string() +
                                           "\" cannot be read: No such file or directory.");
    }
}

TEST_F(NotesServer, NotesOfAnyBytesArriveAsUtf8WithNothingLost)
{
    m_folder.Write("caf\xE9.txt", "caf\xE9 \x93quoted\x94\n\xC3\xA9t\xC3\xA9\n\x81");
    const Outlook::NoteItem note = OnlyNote();
    EXPECT_EQ(note.GetSubject(), "caf\xC3\xA9");
    // Windows-1252 bytes turn into their characters; UTF-8 passes as it is;
    // a byte the code page leaves undefined keeps its value.
    EXPECT_EQ(note.GetBody(),
              "caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\n\xC3\xA9t\xC3\xA9\n\xC2\x81");
}

TEST_F(NotesServer, ZeroBytesAndLargeNotesPassWhole)
{
    std::string large(8 * 1024 * 1024, 'x');
    large[0] = '\0';
    large[large.size() / 2] = '\n';
    large.back() = 'z';
    m_folder.Write("large.txt", large);
    EXPECT_EQ(OnlyNote().GetBody(), large);
}

TEST_F(NotesServer, ANoteOverTheSizeLimitIsRefusedUnreadAndOneAtItPasses)
{
    const fs::path note = m_folder.Write("huge.txt", "");
    // Sparse, so only the size tells it from a note at the limit.
    fs::resize_file(note, kMaxNoteBytes + 1);
    try {
        OnlyNote().GetBody();
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(), "The note file \"" + note.string() +
                                           "\" is larger than 64 MiB (67108864 bytes), the "
                                           "most a note may hold.");
    }
    fs::resize_file(note, kMaxNoteBytes);
    EXPECT_EQ(OnlyNote().GetBody().size(), kMaxNoteBytes);
}

TEST_F(NotesServer, EveryReferenceIsGivenBack)
{
    m_folder.Write("a.txt", "a");
    const long before = CDispatchObject::LiveObjects();
    {
        const Outlook::Items items = OpenNotes();
        const Outlook::NoteItem note = items.Item(1);
        EXPECT_EQ(note.GetBody(), "a");
        EXPECT_THROW(items.Item(2), CServerException);
    }
    EXPECT_EQ(CDispatchObject::LiveObjects(), before);
}

} // namespace
