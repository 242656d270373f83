// SPDX-License-Identifier: MIT
#include "OptionsDlg.h"

#include "ControlIds.h"
#include "FilePickers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CAnsweringPickers final : public IFilePickers
{
public:
    std::optional<QString> PickTemplateFile(QWidget*) override { return templateAnswer; }
    std::optional<QString> PickSaveFolder(QWidget*) override { return folderAnswer; }

    std::optional<QString> templateAnswer;
    std::optional<QString> folderAnswer;
};

template <typename Widget> Widget* Control(QDialog& dialog, int id)
{
    for (Widget* widget : dialog.findChildren<Widget*>()) {
        if (widget->property("controlId").toInt() == id)
            return widget;
    }
    ADD_FAILURE() << "no control " << id;
    return nullptr;
}

class OptionsDialog : public ::testing::Test
{
protected:
    OptionsDialog()
    {
        dialog.m_template = 1;
        dialog.m_templateFile = "/designs/quillon.pot";
        dialog.m_close = 0;
        dialog.m_save = 1;
        dialog.m_saveFolder = "/talks";
        dialog.m_leave = 0;
        dialog.m_overwrite = 1;
    }

    // Runs the dialog modally while `act` works the controls, then presses
    // OK (or Cancel) and gives DoModal's result.
    int RunWith(const std::function<void()>& act, int closeWith = IDOK)
    {
        QTimer::singleShot(0, &dialog, [&] {
            act();
            QTest::mouseClick(Control<QPushButton>(dialog, closeWith), Qt::LeftButton);
        });
        return dialog.DoModal();
    }

    QCheckBox* Check(int id) { return Control<QCheckBox>(dialog, id); }
    QLineEdit* Edit(int id) { return Control<QLineEdit>(dialog, id); }
    QPushButton* Button(int id) { return Control<QPushButton>(dialog, id); }

    CAnsweringPickers pickers;
    COptionsDlg dialog{pickers};
};

TEST_F(OptionsDialog, ShowsTheValuesAndGivesThemBackOnOk)
{
    int result = RunWith([&] {
        EXPECT_TRUE(Check(IDC_APPLY_TEMPLATE)->isChecked());
        EXPECT_EQ(Edit(IDC_TEMPLATE_FILE)->text(), "/designs/quillon.pot");
        EXPECT_EQ(Edit(IDC_SAVE_FOLDER)->text(), "/talks");
        EXPECT_FALSE(Check(IDC_LEAVE_OPEN)->isChecked());
        EXPECT_TRUE(Check(IDC_OVERWRITE)->isChecked());
        EXPECT_EQ(dialog.windowTitle(), "Options");
        QTest::mouseClick(Check(IDC_CLOSE_AFTER), Qt::LeftButton);
        Edit(IDC_SAVE_FOLDER)->setText("/elsewhere");
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_close, 1);
    EXPECT_EQ(dialog.m_saveFolder, "/elsewhere");
    EXPECT_EQ(dialog.m_leave, 0);
}

TEST_F(OptionsDialog, SaveAsOffersBothFormatsAndFollowsSaving)
{
    RunWith([&] {
        auto* formats = Control<QComboBox>(dialog, IDC_SAVE_FORMAT);
        ASSERT_NE(formats, nullptr);
        EXPECT_EQ(formats->currentText(), "PowerPoint 97-2003 (*.ppt)");
        ASSERT_EQ(formats->count(), 2);
        EXPECT_EQ(formats->itemText(1), "PowerPoint (*.pptx)");
        formats->setCurrentIndex(1);
        QTest::mouseClick(Check(IDC_SAVE_PRESENTATIONS), Qt::LeftButton);
        EXPECT_FALSE(formats->isEnabled()) << "a format means something only when saving";
        QTest::mouseClick(Check(IDC_SAVE_PRESENTATIONS), Qt::LeftButton);
        EXPECT_TRUE(formats->isEnabled());
    });
    EXPECT_EQ(dialog.m_format, PresentationFormat::Pptx);
    RunWith([&] { EXPECT_EQ(Control<QComboBox>(dialog, IDC_SAVE_FORMAT)->currentIndex(), 1); });
}

TEST_F(OptionsDialog, KeepsTheSizeOfItsContentsAndItsPickersSayWhatTheyAreFor)
{
    RunWith([&] {
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "nothing to maximise";
        EXPECT_EQ(dialog.size(), dialog.minimumSize());
    });
    CFileDialogPickers real;
    QStringList titles;
    QStringList filters;
    const auto readTitleAndCancel = [&] {
        QTimer::singleShot(0, &dialog, [&] {
            QWidget* picker = QApplication::activeModalWidget();
            ASSERT_NE(picker, nullptr);
            titles << picker->windowTitle();
            if (const auto* files = qobject_cast<QFileDialog*>(picker); files && filters.isEmpty())
                filters = files->nameFilters();
            picker->close();
        });
    };
    readTitleAndCancel();
    EXPECT_EQ(real.PickTemplateFile(&dialog), std::nullopt);
    readTitleAndCancel();
    EXPECT_EQ(real.PickSaveFolder(&dialog), std::nullopt);
    EXPECT_EQ(titles, (QStringList{"Quillon", "Select a location to save your PPT files:"}));
    EXPECT_EQ(filters, (QStringList{"Design Templates (*.pot *.potx)", "All Files (*)"}));
}

TEST_F(OptionsDialog, CancelKeepsTheValuesAsTheyWere)
{
    int result = RunWith([&] { Edit(IDC_SAVE_FOLDER)->setText("/elsewhere"); }, IDCANCEL);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_saveFolder, "/talks");
}

TEST_F(OptionsDialog, UnsettingSaveDisablesItsGroupAndChecksLeave)
{
    RunWith([&] {
        QTest::mouseClick(Check(IDC_SAVE_PRESENTATIONS), Qt::LeftButton);
        for (int id : {IDC_SAVE_FOLDER, IDC_BROWSE_FOLDER, IDC_LEAVE_OPEN, IDC_OVERWRITE})
            EXPECT_FALSE(Control<QWidget>(dialog, id)->isEnabled()) << id;
        EXPECT_TRUE(Check(IDC_LEAVE_OPEN)->isChecked());
        QTest::mouseClick(Check(IDC_SAVE_PRESENTATIONS), Qt::LeftButton);
        EXPECT_TRUE(Check(IDC_LEAVE_OPEN)->isEnabled());
        EXPECT_TRUE(Check(IDC_LEAVE_OPEN)->isChecked()) << "stays checked until cleared";
        QTest::mouseClick(Check(IDC_SAVE_PRESENTATIONS), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.m_save, 0);
    EXPECT_EQ(dialog.m_leave, 1);
}

TEST_F(OptionsDialog, TemplateOffDisablesItsBoxButKeepsThePath)
{
    dialog.m_template = 0;
    RunWith([&] {
        EXPECT_FALSE(Edit(IDC_TEMPLATE_FILE)->isEnabled());
        EXPECT_FALSE(Button(IDC_BROWSE_TEMPLATE)->isEnabled());
        EXPECT_EQ(Edit(IDC_TEMPLATE_FILE)->text(), "/designs/quillon.pot");
        QTest::mouseClick(Check(IDC_APPLY_TEMPLATE), Qt::LeftButton);
        EXPECT_TRUE(Edit(IDC_TEMPLATE_FILE)->isEnabled());
        QTest::mouseClick(Check(IDC_APPLY_TEMPLATE), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.m_template, 0);
    EXPECT_EQ(dialog.m_templateFile, "/designs/quillon.pot");
}

TEST_F(OptionsDialog, FlagsOutsideTheCheckBoxRangeShowUncheckedAndComeBackAsZero)
{
    dialog.m_save = 5;
    dialog.m_template = -1;
    RunWith([&] {
        EXPECT_FALSE(Check(IDC_SAVE_PRESENTATIONS)->isChecked());
        EXPECT_FALSE(Edit(IDC_SAVE_FOLDER)->isEnabled());
        EXPECT_FALSE(Edit(IDC_TEMPLATE_FILE)->isEnabled());
    });
    EXPECT_EQ(dialog.m_save, 0);
    EXPECT_EQ(dialog.m_template, 0);
    EXPECT_EQ(dialog.m_leave, 0) << "opening does not force leave";
}

TEST_F(OptionsDialog, BrowsingFillsItsBoxAndACancelledPickerChangesNothing)
{
    pickers.templateAnswer = QStringLiteral("/picked/design.pot");
    pickers.folderAnswer = std::nullopt;
    RunWith([&] {
        QTest::mouseClick(Button(IDC_BROWSE_TEMPLATE), Qt::LeftButton);
        QTest::mouseClick(Button(IDC_BROWSE_FOLDER), Qt::LeftButton);
        EXPECT_EQ(Edit(IDC_TEMPLATE_FILE)->text(), "/picked/design.pot");
        EXPECT_EQ(Edit(IDC_SAVE_FOLDER)->text(), "/talks");
    });
    EXPECT_EQ(dialog.m_templateFile, "/picked/design.pot");
    EXPECT_EQ(dialog.m_saveFolder, "/talks");
}

TEST_F(OptionsDialog, TheTabOrderFollowsTheControls)
{
    const int expected[] = {IDC_SAVE_PRESENTATIONS,
                            IDC_SAVE_FOLDER,
                            IDC_BROWSE_FOLDER,
                            IDC_LEAVE_OPEN,
                            IDC_OVERWRITE,
                            IDC_SAVE_FORMAT,
                            IDC_APPLY_TEMPLATE,
                            IDC_TEMPLATE_FILE,
                            IDC_BROWSE_TEMPLATE,
                            IDOK,
                            IDCANCEL,
                            IDC_CLOSE_AFTER};
    QWidget* widget = Check(IDC_SAVE_PRESENTATIONS);
    for (int id : expected) {
        EXPECT_EQ(widget->property("controlId").toInt(), id);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
    }
}

} // namespace
