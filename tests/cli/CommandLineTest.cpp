// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "EmbeddedServers.h"
#include "ProgIdRegistry.h"
#include "RecordingViewer.h"
#include "TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace {

using Strings = std::vector<std::string>;

bool IsCompoundFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    char magic[8] = {};
    file.read(magic, sizeof magic);
    return std::string(magic, sizeof magic) == "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
}

class CommandLine : public ::testing::Test
{
protected:
    int Run(Strings args)
    {
        out.str({});
        err.str({});
        CCommandLine commandLine({in, out, err, fileSystem, shipped, now});
        return commandLine.Run(args);
    }

    Strings OutputLines() const
    {
        Strings lines;
        std::istringstream stream(out.str());
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }

    std::shared_ptr<CRecordingViewer> viewer = std::make_shared<CRecordingViewer>();
    CEmbeddedServers servers{std::filesystem::path(), viewer};
    CTempFolder folder;
    CLocalFileSystem fileSystem;
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ShippedTemplates shipped;
    std::function<CCommandLine::Clock::time_point()> now = [] {
        return CCommandLine::Clock::now();
    };
};

TEST_F(CommandLine, UsageErrorsExitWithTwoAndSayWhy)
{
    EXPECT_EQ(Run({}), 2);
    EXPECT_NE(err.str().find("no note given"), std::string::npos);
    EXPECT_EQ(Run({"--colour", "a.note"}), 2);
    EXPECT_NE(err.str().find("unknown option --colour"), std::string::npos);
    EXPECT_EQ(Run({"a.note", "--save-folder"}), 2);
    EXPECT_NE(err.str().find("--save-folder needs a value"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}

TEST_F(CommandLine, HelpAndVersionGoToStandardOutput)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("Usage: quillon-cli"), std::string::npos);
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str().rfind("quillon-cli ", 0), 0u);
}

TEST_F(CommandLine, ABatchOfFilesAndStandardInputIsSavedAndEachPathPrinted)
{
    const std::string first =
        folder.Write("first.note", "Budget\nThe budget\n-Costs\n.Rent\n").string();
    const std::string second = folder.Write("second.note", "Plan\r\nThe plan\r\n").string();
    in.str("Piped\nFrom a pipe\n--Both\n.a\n.b\n");
    const int status =
        Run({"--no-template", "--save-folder", folder.Path().string(), first, "-", second});
    EXPECT_EQ(status, 0) << err.str();
    const Strings expected{folder / "Budget.ppt", folder / "Piped.ppt", folder / "Plan.ppt"};
    EXPECT_EQ(OutputLines(), expected);
    for (const std::string& path : expected)
        EXPECT_TRUE(IsCompoundFile(path)) << path;
    EXPECT_TRUE(err.str().empty()) << err.str();
}

TEST_F(CommandLine, ATakenNameGetsAFreeOneAndSaysSoUnlessQuiet)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    folder.Write("Budget.ppt", "keep me").string();
    const std::string saveFolder = "--save-folder=" + folder.Path().string();
    EXPECT_EQ(Run({"--no-template", saveFolder, note}), 0);
    EXPECT_EQ(OutputLines(), Strings{folder / "Budget1.ppt"});
    EXPECT_EQ(err.str(), note +
                             ": The specified file already exists. The presentation has been "
                             "saved as " +
                             (folder / "Budget1.ppt") + ".\n");
    EXPECT_EQ(Run({"--quiet", "--no-template", saveFolder, note}), 0);
    EXPECT_EQ(OutputLines(), Strings{folder / "Budget2.ppt"});
    EXPECT_TRUE(err.str().empty());
    std::ifstream kept(folder / "Budget.ppt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep me");
}

TEST_F(CommandLine, FormatPptxSavesPackagesUnderPptxNamesAndFreeNames)
{
    const std::string budget = folder.Write("a.note", "Budget\nTitle\n-Costs\n.Rent\n").string();
    const std::string talk = folder.Write("b.note", "Talk.ppt\nTitle\n").string();
    const std::string saveFolder = "--save-folder=" + folder.Path().string();
    EXPECT_EQ(Run({"--format", "pptx", saveFolder, budget, talk}), 0) << err.str();
    EXPECT_EQ(OutputLines(), (Strings{folder / "Budget.pptx", folder / "Talk.pptx"}));
    EXPECT_EQ(Run({"--format=pptx", "--quiet", saveFolder, budget}), 0) << err.str();
    EXPECT_EQ(OutputLines(), Strings{folder / "Budget1.pptx"});
    for (const char* name : {"Budget.pptx", "Budget1.pptx", "Talk.pptx"}) {
        std::ifstream file(folder / name, std::ios::binary);
        char magic[4] = {};
        file.read(magic, sizeof magic);
        EXPECT_EQ(std::string(magic, sizeof magic), "PK\x03\x04") << name;
    }
    EXPECT_EQ(Run({"--format", "ppt", "--no-template", saveFolder, budget}), 0) << err.str();
    EXPECT_EQ(OutputLines(), Strings{folder / "Budget.ppt"});

    EXPECT_EQ(Run({"--format", "odp", budget}), 2);
    EXPECT_NE(err.str().find("unknown format odp"), std::string::npos) << err.str();
}

TEST_F(CommandLine, EachFormatTakesTheShippedDesignInItsFormatAndRefusesTheOtherFormats)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    const std::string saveFolder = "--save-folder=" + folder.Path().string();
    shipped = {QUILLON_SHIPPED_TEMPLATE, folder / "absent.potx"};
    EXPECT_EQ(Run({saveFolder, note}), 0);
    EXPECT_TRUE(err.str().empty()) << err.str();
    // The .pot is there, but a .pptx asks for the .potx.
    EXPECT_EQ(Run({"--format", "pptx", saveFolder, note}), 0);
    EXPECT_EQ(err.str(), note + ": The specified template file can not be found. The template "
                                "will not be applied.\n");

    EXPECT_EQ(Run({"--format", "pptx", "--template", "design.pot", note}), 2);
    EXPECT_NE(err.str().find("design.pot: a PowerPoint 97-2003 template (.pot) cannot be applied "
                             "to --format pptx"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(Run({"--format", "pptx", "--overwrite", "--template",
                   QUILLON_POTX_CORPUS "/ok-small.potx", saveFolder, note}),
              0)
        << err.str();
    std::ifstream built(folder / "Budget.pptx", std::ios::binary);
    const std::string package{std::istreambuf_iterator<char>(built), {}};
    EXPECT_NE(package.find("ppt/media/design1.png"), std::string::npos) << "the template's picture";
    EXPECT_EQ(Run({"--template=Design.POTX", note}), 2);
    EXPECT_NE(err.str().find("Design.POTX: a .potx template cannot be applied to --format ppt"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(
        Run({"--format", "pptx", "--template", "design.pot", "--no-template", saveFolder, note}), 0)
        << err.str();
}

TEST_F(CommandLine, OpenHandsEachSavedPresentationToTheDesktopAndOnlyThen)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    const std::string saveFolder = "--save-folder=" + folder.Path().string();
    EXPECT_EQ(Run({"--no-template", saveFolder, note}), 0);
    EXPECT_TRUE(viewer->shown.empty());
    EXPECT_EQ(Run({"--open", "--no-template", saveFolder, note}), 0);
    EXPECT_EQ(viewer->shown, Strings{folder / "Budget1.ppt"});
}

TEST_F(CommandLine, OverwriteReplacesTheFileOfTheSameName)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    folder.Write("Budget.ppt", "old").string();
    EXPECT_EQ(Run({"--overwrite", "--no-template", "--save-folder", folder.Path().string(), note}),
              0);
    EXPECT_EQ(OutputLines(), Strings{folder / "Budget.ppt"});
    EXPECT_TRUE(IsCompoundFile(folder / "Budget.ppt"));
}

TEST_F(CommandLine, NotesThatCannotBeSavedFailTheRunButNotTheBatch)
{
    const std::string good = folder.Write("good.note", "Good\nTitle\n").string();
    const std::string oneLine = folder.Write("short.note", "Only a name\n").string();
    const std::string missing = folder / "missing.note";
    EXPECT_EQ(
        Run({"--no-template", "--save-folder", folder.Path().string(), missing, oneLine, good}), 1);
    EXPECT_EQ(OutputLines(), Strings{folder / "Good.ppt"});
    EXPECT_NE(err.str().find(missing + ": cannot read the note: No such file or directory"),
              std::string::npos);
    EXPECT_NE(err.str().find(oneLine + ": nothing to save: a note needs a file name line and a "
                                       "title line"),
              std::string::npos);
}

TEST_F(CommandLine, AFolderThatCannotBeWrittenIsReportedAsAnError)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    EXPECT_EQ(Run({"--no-template", "--save-folder", folder / "no such folder", note}), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find(note + ": "), std::string::npos);
    EXPECT_NE(err.str().find("no such folder"), std::string::npos) << err.str();
}

TEST_F(CommandLine, AMissingTemplateIsAWarningAndTheNoteIsStillSaved)
{
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    shipped.pot = folder / "absent.pot";
    EXPECT_EQ(Run({"--save-folder", folder.Path().string(), note}), 0);
    EXPECT_EQ(err.str(), note + ": The specified template file can not be found. The template "
                                "will not be applied.\n");
}

TEST_F(CommandLine, WithoutThePresentationServerEveryNoteFails)
{
    CProgIdRegistration nothing("Powerpoint.Application", []() -> IDispatch* { return nullptr; });
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    EXPECT_EQ(Run({"--no-template", "--save-folder", folder.Path().string(), note}), 1);
    EXPECT_EQ(err.str(), note + ": Could not start PowerPoint\n");
}

TEST_F(CommandLine, ALongBatchReportsProgress)
{
    auto clock = CCommandLine::Clock::time_point();
    now = [&clock] {
        return clock += std::chrono::milliseconds(600);
    };
    const std::string a = folder.Write("a.note", "A\nTitle\n").string();
    const std::string b = folder.Write("b.note", "B\nTitle\n").string();
    const std::string c = folder.Write("c.note", "C\nTitle\n").string();
    EXPECT_EQ(Run({"--no-template", "--save-folder", folder.Path().string(), a, b, c}), 0);
    EXPECT_EQ(err.str(), "quillon-cli: 2 of 3 notes done\nquillon-cli: 3 of 3 notes done\n");
}

int RunProcess(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CommandLineProcess, TheProgramRunsAsAProcessWithItsExitCodes)
{
    CTempFolder folder;
    const std::string note = folder.Write("talk.note", "Talk\nA talk\n-Slide\n.Point\n").string();
    const std::string program = QUILLON_CLI_PATH;
    EXPECT_EQ(RunProcess("'" + program + "' --bogus 2>/dev/null"), 2);
    EXPECT_EQ(RunProcess("cd '" + folder.Path().string() + "' && '" + program +
                         "' --no-template talk.note > saved.txt"),
              0);
    std::ifstream saved(folder / "saved.txt");
    std::string line;
    std::getline(saved, line);
    EXPECT_EQ(line, folder / "Talk.ppt");
    EXPECT_TRUE(IsCompoundFile(folder / "Talk.ppt"));
}

} // namespace
