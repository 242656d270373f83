// SPDX-License-Identifier: MIT
#include "QuillonDlg.h"

#include "ControlIds.h"
#include "DispatchObject.h"
#include "EmbeddedServers.h"
#include "FakeClipboard.h"
#include "FakeFileSystem.h"
#include "InstallPaths.h"
#include "MainDialogDoubles.h"
#include "OptionsDlg.h"
#include "OptionsStore.h"
#include "RecordingDispatch.h"
#include "RecordingMessages.h"
#include "RecordingOutlook.h"
#include "RecordingViewer.h"
#include "TempFolder.h"
#include "TemplateForFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/stat.h>

namespace {

using Strings = std::vector<std::string>;

const char* const kTemplateMissing =
    "The specified template file can not be found. The template will not be applied.";

// The local file system, except that the files the test names cannot be
// read, as for a user without the permission (which root always has).
class CLockedFiles final : public IFileSystem
{
public:
    bool FileExists(const std::string& path) const override { return m_local.FileExists(path); }
    bool CanReadFile(const std::string& path) const override
    {
        return locked.count(path) == 0 && m_local.CanReadFile(path);
    }
    std::set<std::string> locked;

private:
    CLocalFileSystem m_local;
};

// The width that a column's contents ask for, as the view itself works it
// out for "resize to contents" (protected, hence the detour).
struct CColumnHint : QTreeWidget
{
    static int Of(const QTreeWidget& list, int column)
    {
        return (list.*(&CColumnHint::sizeHintForColumn))(column);
    }
};

// Sets a file's modification time, so the notes have dates to sort by.
void SetModified(const std::filesystem::path& path, std::int64_t secondsSinceEpoch)
{
    const timespec times[2] = {{secondsSinceEpoch, 0}, {secondsSinceEpoch, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

class MainDialog : public ::testing::Test
{
protected:
    MainDialog()
    {
        std::filesystem::create_directory(notes.Path() / "Notes");
        std::filesystem::create_directory(notes.Path() / "talks");
        saveFolder = notes / "talks";
    }

    void AddNote(const std::string& name, const std::string& text, std::int64_t modified)
    {
        SetModified(notes.Write("Notes/" + name, text), modified);
    }

    // The dialog over the notes folder, with the options the test stored.
    std::unique_ptr<CQuillonDlg> Open(bool withNotesFolder = true)
    {
        servers = std::make_unique<CEmbeddedServers>(
            withNotesFolder ? notes.Path() / "Notes" : notes.Path() / "none", viewer);
        return OpenDialog();
    }

    // The dialog over whatever servers the test registered.
    std::unique_ptr<CQuillonDlg> OpenDialog()
    {
        auto dialog = std::make_unique<CQuillonDlg>(
            QuillonDlgServices{messages, fileSystem, store, pickers, clipboard, desktop});
        dialog->show();
        return dialog;
    }

    QTreeWidget& List(CQuillonDlg& dialog) { return *dialog.findChild<QTreeWidget*>("noteList"); }
    QPushButton& Button(CQuillonDlg& dialog, const char* name)
    {
        return *dialog.findChild<QPushButton*>(name);
    }

    Strings Names(CQuillonDlg& dialog)
    {
        Strings names;
        QTreeWidget& list = List(dialog);
        for (int row = 0; row < list.topLevelItemCount(); ++row)
            names.push_back(list.topLevelItem(row)->text(0).toStdString());
        return names;
    }

    void Select(CQuillonDlg& dialog, const std::string& name)
    {
        QTreeWidget& list = List(dialog);
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            if (list.topLevelItem(row)->text(0).toStdString() == name)
                list.setCurrentItem(list.topLevelItem(row));
        }
    }

    void StoreOptions(const PresentationOptions& options) { store.SaveOptions(options); }

    PresentationOptions SavingOptions() const
    {
        PresentationOptions options;
        options.m_save = 1;
        options.m_leave = 0;
        options.m_template = 0;
        options.m_templateFile = notes / "unused.pot";
        options.m_saveFolder = saveFolder;
        return options;
    }

    CTempFolder notes;
    std::string saveFolder;
    QSettings settings{QString::fromStdString(notes / "quillon.conf"), QSettings::IniFormat};
    COptionsStore store{settings};
    CRecordingMessages messages;
    CLockedFiles fileSystem;
    CNoPickers pickers;
    CFakeClipboard clipboard;
    CRecordingDesktop desktop;
    std::shared_ptr<CRecordingViewer> viewer = std::make_shared<CRecordingViewer>();
    std::unique_ptr<CEmbeddedServers> servers;
};

TEST_F(MainDialog, ListsTheNotesAfterTheClipboardRowWithRowZeroSelected)
{
    AddNote("budget.txt", "Budget\nThe budget\n", 1'700'000'000);
    AddNote("Agenda.md", "Agenda\nThe agenda\n", 1'700'100'000);
    AddNote("ignored.pdf", "not a note", 1'700'000'000);
    auto dialog = Open();
    EXPECT_EQ(Names(*dialog), (Strings{"** Clipboard / Palm Desktop **", "Agenda", "budget"}));
    EXPECT_TRUE(List(*dialog).topLevelItem(0)->isSelected());
    EXPECT_TRUE(Button(*dialog, "createButton").isEnabled());
    EXPECT_FALSE(List(*dialog).topLevelItem(1)->text(1).isEmpty()) << "a creation date";
    EXPECT_TRUE(List(*dialog).topLevelItem(0)->text(1).isEmpty());
    EXPECT_EQ(dialog->windowTitle(), "Quillon");
    EXPECT_TRUE(messages.Messages().empty());
    // A first run: nothing stored yet, so the options are the defaults.
    const PresentationOptions& options = dialog->Options();
    EXPECT_EQ(options.m_template, 1);
    EXPECT_EQ(options.m_leave, 1);
    EXPECT_EQ(options.m_save, 0);
    EXPECT_EQ(options.m_saveFolder, std::filesystem::current_path().string());
}

TEST_F(MainDialog, WithoutANotesFolderOnlyTheClipboardRowIsListedAndNothingIsSaid)
{
    auto dialog = Open(false);
    EXPECT_EQ(Names(*dialog), Strings{"** Clipboard / Palm Desktop **"});
    EXPECT_TRUE(Button(*dialog, "createButton").isEnabled());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainDialog, CreateIsEnabledOnlyWhileARowIsSelected)
{
    auto dialog = Open(false);
    List(*dialog).clearSelection();
    EXPECT_FALSE(Button(*dialog, "createButton").isEnabled());
    Select(*dialog, "** Clipboard / Palm Desktop **");
    EXPECT_TRUE(Button(*dialog, "createButton").isEnabled());
}

TEST_F(MainDialog, SortingKeepsTheClipboardRowOnTopInBothDirections)
{
    AddNote("b.txt", "b", 1'700'000'000);
    AddNote("A.txt", "a", 1'700'000'500);
    AddNote("c.txt", "c", 1'600'000'000);
    auto dialog = Open();
    QHeaderView& header = *List(*dialog).header();
    const auto clickHeader = [&](int column) {
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(column) + 5, 5));
    };
    clickHeader(2);
    EXPECT_EQ(Names(*dialog), (Strings{"** Clipboard / Palm Desktop **", "A", "b", "c"}))
        << "newest first";
    clickHeader(0);
    EXPECT_EQ(Names(*dialog), (Strings{"** Clipboard / Palm Desktop **", "A", "b", "c"}));
    EXPECT_TRUE(dialog->SortAscending()) << "a new column starts in the first direction";
    clickHeader(0);
    EXPECT_EQ(Names(*dialog), (Strings{"** Clipboard / Palm Desktop **", "c", "b", "A"}));
}

TEST_F(MainDialog, CreateOnTheClipboardRowBuildsAndSavesThePresentation)
{
    StoreOptions(SavingOptions());
    clipboard.text = "Clipped\r\nFrom the clipboard\r\n-Slide\r\n.Point\r\n";
    auto dialog = Open(false);
    QTest::mouseClick(&Button(*dialog, "createButton"), Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Clipped.ppt"))
        << (messages.Messages().empty() ? "" : messages.Messages()[0].text);
    EXPECT_TRUE(dialog->isVisible()) << "close is off";
}

TEST_F(MainDialog, EnterInTheListCreatesAndEnterOnAnotherButtonPressesThatButton)
{
    StoreOptions(SavingOptions());
    clipboard.text = "Entered\nBy the keyboard\n";
    auto dialog = Open(false);
    Button(*dialog, "helpButton").setFocus();
    QTest::keyClick(&Button(*dialog, "helpButton"), Qt::Key_Return);
    EXPECT_EQ(desktop.opened.size(), 1u) << "Help has the focus, so Enter is Help";
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Entered.ppt"));
    List(*dialog).setFocus();
    QTest::keyClick(&List(*dialog), Qt::Key_Return);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Entered.ppt"));
}

TEST_F(MainDialog, AnEmptyClipboardIsReportedAndNothingIsBuilt)
{
    StoreOptions(SavingOptions());
    clipboard.formats.clear();
    auto dialog = Open(false);
    dialog->OnCreatePresentation();
    const std::vector<CRecordingMessages::Message> expected{
        {"Clipboard contents not in correct format.", MB_OK}};
    EXPECT_EQ(messages.Messages(), expected);
    EXPECT_TRUE(std::filesystem::is_empty(saveFolder));
}

TEST_F(MainDialog, DoubleClickOnANoteBuildsFromItsText)
{
    PresentationOptions options = SavingOptions();
    options.m_close = 1;
    StoreOptions(options);
    AddNote("plan.txt", "Plan\nThe plan\n--Sides\n.left\n.right\n", 1'700'000'000);
    auto dialog = Open();
    QTreeWidget& list = List(*dialog);
    const QRect row = list.visualItemRect(list.topLevelItem(1));
    // A double click arrives after the click that started it, as from a mouse.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Plan.ppt"));
    EXPECT_FALSE(dialog->isVisible()) << "close-after-create ends the dialog";
    EXPECT_EQ(settings.value("options/close").toInt(), 1) << "and stores the options";
}

TEST_F(MainDialog, ANoteThatVanishedIsReportedWithTheStopIconAndTheDialogStays)
{
    StoreOptions(SavingOptions());
    AddNote("gone.txt", "Gone\nTitle\n", 1'700'000'000);
    auto dialog = Open();
    std::filesystem::remove(notes.Path() / "Notes" / "gone.txt");
    Select(*dialog, "gone");
    dialog->OnCreatePresentation();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].boxType, MB_ICONSTOP);
    EXPECT_NE(messages.Messages()[0].text.find("gone.txt"), std::string::npos);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MainDialog, OptionsTakenWithOkApplyToTheNextCreateAndCancelChangesNothing)
{
    auto dialog = Open(false);
    const auto runOptions = [&](const char* closeButton, bool toggleSave) {
        QTimer::singleShot(0, dialog.get(), [&, closeButton, toggleSave] {
            auto* options = dialog->findChild<COptionsDlg*>();
            ASSERT_NE(options, nullptr);
            if (toggleSave)
                QTest::mouseClick(options->findChild<QCheckBox*>("saveCheck"), Qt::LeftButton);
            QTest::mouseClick(options->findChild<QPushButton*>(closeButton), Qt::LeftButton);
        });
        dialog->OnOptions();
    };
    runOptions("cancelButton", true);
    EXPECT_EQ(dialog->Options().m_save, 0);
    runOptions("okButton", true);
    EXPECT_EQ(dialog->Options().m_save, 1);
    EXPECT_FALSE(settings.contains("options/save")) << "stored only when the dialog closes";
}

TEST_F(MainDialog, TheCloseBoxStoresTheOptionsAndEscapeDoesNot)
{
    {
        auto dialog = Open(false);
        dialog->Options().m_overwrite = 1;
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    }
    settings.sync();
    EXPECT_FALSE(settings.contains("options/overwrite"));
    auto dialog = Open(false);
    dialog->Options().m_overwrite = 1;
    dialog->close();
    settings.sync();
    EXPECT_EQ(settings.value("options/overwrite").toInt(), 1);
}

TEST_F(MainDialog, HelpOpensTheShippedHelpPage)
{
    auto dialog = Open(false);
    QTest::mouseClick(&Button(*dialog, "helpButton"), Qt::LeftButton);
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_TRUE(desktop.opened[0].toLocalFile().endsWith("help/index.html"));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainDialog, AFirstRunAppliesTheShippedTemplateAndAChosenOneThatIsGoneIsSaid)
{
    // Saving on, and no template file stored at all.
    settings.setValue("options/save", 1);
    settings.setValue("options/leave", 0);
    settings.setValue("options/saveFolder", QString::fromStdString(saveFolder));
    clipboard.text = "Shipped\nWith the shipped design\n";
    auto dialog = Open(false);
    const auto shipped = FindDataFile("quillon.pot");
    ASSERT_TRUE(shipped.has_value());
    EXPECT_EQ(dialog->Options().m_templateFile, shipped->string());
    EXPECT_EQ(dialog->Options().m_template, 1);
    dialog->OnCreatePresentation();
    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages()[0].text;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Shipped.ppt"));

    dialog->Options().m_templateFile = notes / "gone.pot";
    clipboard.text = "Chosen\nWith a design that has gone\n";
    dialog->OnCreatePresentation();
    const std::vector<CRecordingMessages::Message> expected{{kTemplateMissing, MB_OK}};
    EXPECT_EQ(messages.Messages(), expected);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Chosen.ppt"));
}

TEST_F(MainDialog, ATemplateThatCannotBeReadIsSaidAndThePresentationIsStillSaved)
{
    PresentationOptions options = SavingOptions();
    options.m_template = 1;
    options.m_templateFile = notes.Write("locked.pot", "not even a template").string();
    StoreOptions(options);
    fileSystem.locked.insert(options.m_templateFile);
    clipboard.text = "Locked\nA locked design\n";
    auto dialog = Open(false);
    dialog->OnCreatePresentation();
    const std::vector<CRecordingMessages::Message> expected{{kTemplateMissing, MB_OK}};
    EXPECT_EQ(messages.Messages(), expected);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Locked.ppt"));
}

TEST_F(MainDialog, TheFormatChosenInOptionsIsStoredAndCreateWritesIt)
{
    StoreOptions(SavingOptions());
    auto dialog = Open(false);
    QTimer::singleShot(0, dialog.get(), [&] {
        auto* options = dialog->findChild<COptionsDlg*>();
        ASSERT_NE(options, nullptr);
        options->findChild<QComboBox*>("formatCombo")->setCurrentIndex(1);
        QTest::mouseClick(options->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    dialog->OnOptions();
    clipboard.text = "Budget\nThe budget\n-Costs\n.Rent\n";
    dialog->OnCreatePresentation();
    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages()[0].text;
    const std::filesystem::path saved = std::filesystem::path(saveFolder) / "Budget.pptx";
    std::ifstream in(saved, std::ios::binary);
    std::string magic(4, '\0');
    in.read(magic.data(), 4);
    EXPECT_EQ(magic, std::string("PK\3\4", 4)) << "a zip package";
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(saveFolder) / "Budget.ppt"));

    dialog->close();
    settings.sync();
    EXPECT_EQ(settings.value("options/format").toString(), "pptx");
    EXPECT_EQ(store.LoadOptions().m_format, PresentationFormat::Pptx);
}

// The choice is watched at the server's door: what the real server then
// makes of a .potx is the template reader's own business.
TEST_F(MainDialog, EachFormatAppliesTheShippedDesignInItsFormatAndRefusesTheOtherFormats)
{
    const std::string pot = FindDataFile("quillon.pot")->string();
    const std::string potx = FindDataFile("quillon.potx")->string();
    PresentationOptions options = SavingOptions();
    options.m_format = PresentationFormat::Pptx;
    options.m_template = 1;
    options.m_templateFile = pot;
    StoreOptions(options);
    CRecordingServer server;
    CRecordingOutlookServer outlook;
    clipboard.text = "Shipped\nWith the shipped design\n";
    auto dialog = OpenDialog();
    auto applied = [&server] {
        Strings templates;
        for (const std::string& call : server.Calls())
            if (call.rfind("Presentation.ApplyTemplate(", 0) == 0)
                templates.push_back(call);
        return templates;
    };
    dialog->OnCreatePresentation();
    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages()[0].text;
    EXPECT_EQ(applied(), Strings{"Presentation.ApplyTemplate(\"" + potx + "\")"});
    EXPECT_EQ(dialog->Options().m_templateFile, pot) << "the option stays as chosen";
    dialog->Options().m_format = PresentationFormat::Ppt;
    dialog->OnCreatePresentation();
    EXPECT_EQ(applied().back(), "Presentation.ApplyTemplate(\"" + pot + "\")");

    dialog->Options().m_format = PresentationFormat::Pptx;
    dialog->Options().m_templateFile = notes.Write("blue.pot", "a design").string();
    server.ClearCalls();
    dialog->OnCreatePresentation();
    std::vector<CRecordingMessages::Message> expected{
        {TemplateRefusedText(dialog->Options().m_templateFile, PresentationFormat::Pptx),
         MB_ICONSTOP}};
    EXPECT_EQ(messages.Messages(), expected);
    // And the other way round: a .potx for a .ppt.
    dialog->Options().m_format = PresentationFormat::Ppt;
    dialog->Options().m_templateFile = notes.Write("blue.potx", "a design").string();
    dialog->OnCreatePresentation();
    expected.push_back(
        {TemplateRefusedText(dialog->Options().m_templateFile, PresentationFormat::Ppt),
         MB_ICONSTOP});
    EXPECT_EQ(messages.Messages(), expected);
    EXPECT_TRUE(server.Calls().empty()) << "refused before anything is built";
}

TEST_F(MainDialog, StoredOptionsThatNeitherSaveNorLeaveStillShowThePresentation)
{
    PresentationOptions options = SavingOptions();
    options.m_save = 0;
    StoreOptions(options);
    clipboard.text = "Unsaved\nShown all the same\n";
    auto dialog = Open(false);
    EXPECT_EQ(dialog->Options().m_leave, 1);
    dialog->OnCreatePresentation();
    EXPECT_EQ(viewer->shown.size(), 1u);
    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages()[0].text;
}

TEST_F(MainDialog, ASortReadsEachNoteOnceSoNotesChangingMeanwhileCannotUpsetIt)
{
    // Names before "**" put the clipboard row in the middle of the list.
    std::vector<CRecordingOutlookServer::Note> folder;
    for (const char* name : {"!urgent", "(draft)", "Zebra", "apple"})
        folder.push_back({"IPM.StickyNote", name, 45000.0, 45000.0, ""});
    for (int i = 0; i < 40; ++i)
        folder.push_back({"IPM.StickyNote", "note " + std::to_string(i), 45000.0, 45000.0, ""});
    CRecordingOutlookServer outlook(folder);
    auto dialog = OpenDialog();
    ASSERT_EQ(List(*dialog).topLevelItemCount(), 45);
    EXPECT_NE(Names(*dialog)[0], kClipboardRowText);
    // Every read finds the note changed: a comparison that read the notes
    // would give answers that contradict each other. (With these answers
    // such a sort ran off the front of its array.)
    std::minstd_rand answers(5);
    outlook.BeforeEachRead([&](CRecordingOutlookServer::Note& note, const std::string&) {
        note.lastModificationTime = 44000.0 + static_cast<double>(answers() % 1000);
        note.subject = std::string(1, static_cast<char>('a' + answers() % 26));
    });
    for (const int column : {2, 2, 0, 0}) {
        const Strings before = Names(*dialog);
        outlook.ClearCalls();
        dialog->OnListColumnClick(column);
        EXPECT_EQ(outlook.Calls().size(), 44u) << "one read per note and sort";
        const Strings after = Names(*dialog);
        EXPECT_EQ(after[0], kClipboardRowText) << "column " << column;
        EXPECT_EQ(std::multiset<std::string>(before.begin(), before.end()),
                  std::multiset<std::string>(after.begin(), after.end()));
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainDialog, TheClipboardRowAndTwoDigitDatesFitAtAnyFontSizeAndTheLastColumnTakesTheRest)
{
    // Two-digit days in long months, in a locale with long short dates.
    AddNote("september.txt", "a", 1'790'580'000); // 2026-09-28
    AddNote("december.txt", "b", 1'798'444'000);  // 2026-12-28
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QFont font = QApplication::font();
    for (const int points : {std::max(font.pointSize(), 9), 16, 24}) {
        QFont sized = font;
        sized.setPointSize(points);
        QApplication::setFont(sized);
        auto dialog = Open();
        QTreeWidget& list = List(*dialog);
        QHeaderView& header = *list.header();
        for (int column = 0; column < 3; ++column) {
            EXPECT_GE(header.sectionSize(column), CColumnHint::Of(list, column))
                << points << " points, column " << column;
        }
        EXPECT_LE(header.length(), list.viewport()->width()) << "no sideways scrolling";
        // Room beyond that goes to the list, and there to the last column.
        const int picture = dialog->findChild<QLabel*>("pictureLabel")->width();
        const std::array<int, 3> sizes{header.sectionSize(0), header.sectionSize(1),
                                       header.sectionSize(2)};
        dialog->resize(dialog->width() + 300, dialog->height() + 100);
        QApplication::processEvents();
        EXPECT_EQ(dialog->findChild<QLabel*>("pictureLabel")->width(), picture);
        EXPECT_EQ(header.sectionSize(0), sizes[0]);
        EXPECT_EQ(header.sectionSize(1), sizes[1]);
        EXPECT_GE(header.sectionSize(2), sizes[2] + 290);
    }
    QApplication::setFont(font);
    QLocale::setDefault(before);
}

} // namespace
