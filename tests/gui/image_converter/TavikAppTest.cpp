// SPDX-License-Identifier: MIT
#include "TavikApp.h"

#include "DesktopOpener.h"
#include "FilePicker.h"
#include "MessageBox.h"
#include "PdbTestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

class CScriptedPicker final : public IFilePicker
{
public:
    std::optional<std::string> PickImage() override { return m_answer; }
    std::optional<std::string> m_answer;
};

class CRecordingDesktop final : public IDesktopOpener
{
public:
    bool OpenFile(const std::string& path) override
    {
        m_opened.push_back(path);
        return m_accepts;
    }
    bool m_accepts = true;
    std::vector<std::string> m_opened;
};

class CRecordingMessages final : public IMessageBox
{
public:
    void ShowMessage(const std::string& text) override { m_shown.push_back(text); }
    std::vector<std::string> m_shown;
};

using Texts = std::vector<std::string>;

class TavikAppTest : public ::testing::Test
{
protected:
    void Run(const std::optional<std::string>& picked)
    {
        m_picker.m_answer = picked;
        EXPECT_FALSE(CTavikApp(m_picker, m_desktop, m_messages).InitInstance());
    }

    CTempFolder m_dir;
    CScriptedPicker m_picker;
    CRecordingDesktop m_desktop;
    CRecordingMessages m_messages;
};

TEST_F(TavikAppTest, CancellingThePickerEndsSilently)
{
    Run(std::nullopt);
    EXPECT_EQ(m_messages.m_shown, Texts{});
    EXPECT_EQ(m_desktop.m_opened, Texts{});
    EXPECT_TRUE(m_dir.Names().empty());
}

TEST_F(TavikAppTest, ReplacesTheDatabaseAndHandsItToTheDesktop)
{
    WriteBytes(m_dir / "Logo.gif", Pattern(10));
    WriteBytes(m_dir / "Logo.pdb", Pattern(1000));
    Run(m_dir / "Logo.gif");

    EXPECT_EQ(m_messages.m_shown, Texts{});
    EXPECT_EQ(m_desktop.m_opened, Texts{m_dir / "Logo.pdb"});
    EXPECT_EQ(ReadBytes(m_dir / "Logo.pdb").size(), 86 + 10u);
}

TEST_F(TavikAppTest, AFailedConversionShowsItsLineAboveTheFixedOne)
{
    WriteBytes(m_dir / "Photo.jpg", Pattern(10));
    Run(m_dir / "Photo.jpg");
    Run(m_dir / "Gone.gif");

    EXPECT_EQ(m_messages.m_shown,
              (Texts{"Was expecting a GIF file!\nError: could not convert and install the image.",
                     "Cannot read " + m_dir / "Gone.gif" +
                         "\nError: could not convert and install the image."}));
    EXPECT_EQ(m_desktop.m_opened, Texts{});
    EXPECT_EQ(m_dir.Names(), std::set<std::string>{"Photo.jpg"});
}

TEST_F(TavikAppTest, AFailedHandOffIsToldAndKeepsTheDatabase)
{
    WriteBytes(m_dir / "Logo.gif", Pattern(10));
    m_desktop.m_accepts = false;
    Run(m_dir / "Logo.gif");

    EXPECT_EQ(m_messages.m_shown,
              Texts{"Error: cannot launch Palm Install tool. File installation cancelled."});
    EXPECT_EQ(ReadBytes(m_dir / "Logo.pdb").size(), 86 + 10u);
}

} // namespace
