// SPDX-License-Identifier: MIT
#include "QtClipboard.h"

#include "ClipboardNoteSource.h"
#include "RecordingMessages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using Message = CRecordingMessages::Message;

// The clipboard note source on the application's real clipboard.
class QtClipboardNote : public ::testing::Test
{
protected:
    std::optional<std::string> Read() { return ReadClipboardNote(m_clipboard, m_messages); }

    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    CQtClipboard m_clipboard;
    CRecordingMessages m_messages;
};

TEST_F(QtClipboardNote, ReadsPlainTextAsUtf8WithItsLineBreaks)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8("talk\r\nCaf\xC3\xA9 plan\r\n-Slide"));
    EXPECT_EQ(Read(), "talk\r\nCaf\xC3\xA9 plan\r\n-Slide");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(QtClipboardNote, AnEmptyClipboardOrAPictureIsNotInTheRightFormat)
{
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(Read(), std::nullopt);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(picture);
    EXPECT_EQ(Read(), std::nullopt);
    const Message wrongFormat{"Clipboard contents not in correct format.", MB_OK};
    EXPECT_EQ(m_messages.Messages(), (std::vector<Message>{wrongFormat, wrongFormat}));
}

TEST_F(QtClipboardNote, MegabytesOfTextArePassedWhole)
{
    std::string text;
    for (int line = 0; text.size() < 4 * 1024 * 1024; ++line)
        text += "." + std::to_string(line) + " bullet\r\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    EXPECT_EQ(Read(), text);
}

TEST_F(QtClipboardNote, AChangeBetweenTwoReadsIsPickedUp)
{
    QGuiApplication::clipboard()->setText("first");
    EXPECT_EQ(Read(), "first");
    QGuiApplication::clipboard()->setText("second");
    EXPECT_EQ(Read(), "second");
}

} // namespace

int main(int argc, char** argv)
{
    // Also when the test list is read at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
