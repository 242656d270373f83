// SPDX-License-Identifier: MIT
#include "ClipboardNoteSource.h"

#include "FakeClipboard.h"
#include "QtClipboard.h"
#include "RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using Message = CRecordingMessages::Message;

const Message CannotOpen{"Could not open the clipboard.", MB_OK};
const Message WrongFormat{"Clipboard contents not in correct format.", MB_OK};

// Messages that go into the same log as the clipboard's requests.
class CLoggedMessages final : public IUserMessages
{
public:
    explicit CLoggedMessages(Strings& log) : m_log(log) {}
    void ShowMessage(const std::string& text, unsigned) override { m_log.push_back(text); }

private:
    Strings& m_log;
};

class ClipboardNoteSource : public ::testing::Test
{
protected:
    std::optional<std::string> Read() { return ReadClipboardNote(m_clipboard, m_messages); }

    // Whatever happened, the clipboard is not left open.
    void TearDown() override { EXPECT_FALSE(m_clipboard.IsOpen()); }

    CFakeClipboard m_clipboard;
    CRecordingMessages m_messages;
};

TEST_F(ClipboardNoteSource, GivesTheTextWithItsLineBreaksAsCopied)
{
    m_clipboard.text = "talk\r\nTitle\r\n-Slide\r\n.bullet\r\n";
    EXPECT_EQ(Read(), "talk\r\nTitle\r\n-Slide\r\n.bullet\r\n");
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(m_clipboard.Requests(), (Strings{"Open", "IsFormatAvailable 1", "IsFormatAvailable 7",
                                               "GetData 1", "Close"}));
}

TEST_F(ClipboardNoteSource, TheTextEndsAtTheFirstZeroByte)
{
    m_clipboard.text = "first\r\nline\0after the end"s;
    EXPECT_EQ(Read(), "first\r\nline");
    m_clipboard.text = "\0all hidden"s;
    EXPECT_EQ(Read(), "");
}

TEST_F(ClipboardNoteSource, LongTextIsPassedWhole)
{
    std::string text;
    for (int line = 0; text.size() < 6 * 1024 * 1024; ++line)
        text += "." + std::to_string(line) + " bullet text\r\n";
    m_clipboard.text = text;
    EXPECT_EQ(Read(), text);
}

TEST_F(ClipboardNoteSource, AClipboardThatCannotBeOpenedIsSaidAndNotTouched)
{
    m_clipboard.canOpen = false;
    EXPECT_EQ(Read(), std::nullopt);
    EXPECT_EQ(m_messages.Messages(), std::vector<Message>{CannotOpen});
    EXPECT_EQ(m_clipboard.Requests(), Strings{"Open"});
}

TEST_F(ClipboardNoteSource, AClipboardWithoutBothTextFormsIsSaidThenClosed)
{
    for (const auto& formats : {std::set<ClipboardFormat>{}, std::set<ClipboardFormat>{CF_TEXT},
                                std::set<ClipboardFormat>{CF_OEMTEXT}}) {
        m_clipboard.formats = formats;
        EXPECT_EQ(Read(), std::nullopt);
    }
    EXPECT_EQ(m_messages.Messages(), std::vector<Message>(3, WrongFormat));

    // The message is shown while the clipboard is still held, then it closes.
    Strings log;
    CLoggedMessages messages(log);
    m_clipboard.log = &log;
    m_clipboard.formats = {CF_OEMTEXT};
    EXPECT_EQ(ReadClipboardNote(m_clipboard, messages), std::nullopt);
    EXPECT_EQ(log, (Strings{"Open", "IsFormatAvailable 1", WrongFormat.text, "Close"}));
}

TEST_F(ClipboardNoteSource, TextThatCannotBeHadAfterAllFailsSilently)
{
    m_clipboard.text = std::nullopt;
    EXPECT_EQ(Read(), std::nullopt);
    m_clipboard.text = "note";
    m_clipboard.outOfMemory = true;
    EXPECT_EQ(Read(), std::nullopt);
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(m_clipboard.Requests().back(), "Close");
}

TEST_F(ClipboardNoteSource, EachReadSeesTheClipboardAsItIsThen)
{
    m_clipboard.text = "first";
    EXPECT_EQ(Read(), "first");
    m_clipboard.text = "second";
    EXPECT_EQ(Read(), "second");
}

// This test program has no GUI application, so there is no clipboard service.
TEST(QtClipboardWithoutGui, CountsAsAClipboardThatCannotBeOpened)
{
    CQtClipboard clipboard;
    CRecordingMessages messages;
    EXPECT_EQ(ReadClipboardNote(clipboard, messages), std::nullopt);
    EXPECT_EQ(messages.Messages(), std::vector<Message>{CannotOpen});
}

} // namespace
