// SPDX-License-Identifier: MIT
// What a message box shows of a name taken from a note.
#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Shows the message and reads the box as the user sees it.
QMessageBox* ShowAndRead(const std::string& text, QString& shown, Qt::TextFormat& format)
{
    QMessageBox* seen = nullptr;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (seen == nullptr)
            return;
        shown = seen->text();
        format = seen->textFormat();
        seen->accept();
    });
    CMessageBox().ShowMessage(text, MB_OK);
    return seen;
}

TEST(MessageBox, ANoteNameIsShownAsPlainTextAndCutToWhatABoxCanShow)
{
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    const std::string markup = "<b>Budget</b><img src=x>";
    ASSERT_NE(ShowAndRead("Saved as " + markup + ".ppt.", shown, format), nullptr);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown.toStdString(), "Saved as " + markup + ".ppt.");

    const std::string huge(1 << 20, 'n');
    ASSERT_NE(ShowAndRead("Saved as " + huge + ".ppt.", shown, format), nullptr);
    EXPECT_LT(shown.size(), 1000);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Saved as nnn")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("nnn.ppt.")));
}

} // namespace
