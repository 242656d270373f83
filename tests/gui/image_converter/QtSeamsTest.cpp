// SPDX-License-Identifier: MIT
#include "DesktopOpener.h"
#include "FilePicker.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "PdbTestSupport.h"
#include "StandInOpener.h"
#include "TavikApp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types a name into the picker and presses its Open button.
void TypeAndOpen(QWidget* modal, const std::string& name)
{
    auto* picker = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(picker, nullptr);
    auto* nameEdit = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameEdit, nullptr);
    nameEdit->setText(QString::fromStdString(name));
    static_cast<QDialog*>(picker)->accept(); // what the Open button calls
}

struct ShownBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Reads the box the user sees and presses its OK button.
CModalDriver::Step ReadAndConfirm(ShownBox& shown)
{
    return [&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    };
}

TEST(MessageBoxTest, ShowsTheTextUnderTheApplicationsNameWithAWarningIcon)
{
    ShownBox shown;
    {
        const CModalDriver user({ReadAndConfirm(shown)});
        CMessageBox().ShowMessage("Cannot read /pics/\u00c9t\u00e9.gif\nError: second line");
    }
    EXPECT_EQ(shown.caption, QCoreApplication::applicationName());
    EXPECT_EQ(shown.text,
              QStringLiteral("Cannot read /pics/\u00c9t\u00e9.gif\nError: second line"));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QMessageBox::Ok);
}

TEST(FilePickerTest, ListsGifImagesAndGivesTheChosenPath)
{
    CTempFolder dir;
    const std::string image = dir / "\u00c9t\u00e9.gif";
    WriteBytes(image, {1});
    QStringList filters;
    const CModalDriver user({[&](QWidget* modal) {
        auto* picker = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->windowTitle(), "Tavik Image Converter") << "the program's only window";
        EXPECT_EQ(picker->fileMode(), QFileDialog::ExistingFile);
        filters = picker->nameFilters();
        TypeAndOpen(picker, image);
    }});
    EXPECT_EQ(CFilePicker().PickImage(), image);
    EXPECT_EQ(filters, QStringList{QStringLiteral("GIF images (*.gif)")});
}

TEST(FilePickerTest, RefusesANameThatDoesNotExistAndCancelsToNothing)
{
    CTempFolder dir;
    bool warned = false;
    const CModalDriver user({
        [&](QWidget* picker) { TypeAndOpen(picker, dir / "No.gif"); },
        [&](QWidget* warning) {
            warned = qobject_cast<QMessageBox*>(warning) != nullptr;
            warning->close();
        },
        [](QWidget* picker) { qobject_cast<QFileDialog*>(picker)->reject(); },
    });
    EXPECT_EQ(CFilePicker().PickImage(), std::nullopt);
    EXPECT_TRUE(warned);
}

// The desktop's open action, stood in for by programs that act as xdg-open
// does with no program for the type, and with an install tool that keeps
// running.
TEST(TavikAppFlowTest, WithNothingToOpenTheDatabaseTheLaunchFailureIsShown)
{
    const CStandInOpeners openers;
    for (const std::string& opener : {openers / "failing", openers / "viewer"}) {
        SCOPED_TRACE(opener);
        CTempFolder dir;
        WriteBytes(dir / "Logo.gif", Pattern(10));
        struct : IFilePicker
        {
            std::string path;
            std::optional<std::string> PickImage() override { return path; }
        } picker;
        picker.path = dir / "Logo.gif";
        CDesktopOpener desktop(CDesktopLauncher(opener, std::chrono::milliseconds(400)));
        CMessageBox messages;
        ShownBox shown;
        const bool failing = opener == openers / "failing";
        const auto start = std::chrono::steady_clock::now();
        {
            std::deque<CModalDriver::Step> user;
            if (failing)
                user.push_back(ReadAndConfirm(shown));
            const CModalDriver driver(std::move(user));
            CTavikApp(picker, desktop, messages).InitInstance();
        }
        EXPECT_EQ(shown.text, failing
                                  ? QStringLiteral("Error: cannot launch Palm Install tool. File "
                                                   "installation cancelled.")
                                  : QString());
        EXPECT_LT(SecondsSince(start), 3.0) << "the install tool runs for 5 s";
        EXPECT_TRUE(std::filesystem::exists(dir / "Logo.pdb"));
    }
}

} // namespace
