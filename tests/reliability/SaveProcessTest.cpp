// SPDX-License-Identifier: MIT
// quillon-cli as users run it: many saves into one folder at once, saves cut
// short by a signal, a read-only file, first lines that are no plain name.
// Every saved file is opened and its title compared.
#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "TempFolder.h"
#include "Unprivileged.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Strings = std::vector<std::string>;

// Starts quillon-cli with its output and errors going to files.
pid_t StartCli(const Strings& args, const std::string& outPath, const std::string& errPath)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(QUILLON_CLI_PATH)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(QUILLON_CLI_PATH, argv.data());
    ::_exit(127);
}

// The exit status, or minus the signal that ended the program.
int Wait(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string FirstLine(const std::string& path)
{
    const std::string text = ReadAll(path);
    return text.substr(0, text.find('\n'));
}

// The title of the presentation's first slide; throws when the file is no
// whole presentation.
std::string TitleOf(const std::string& path)
{
    const CCompoundFileReader file(path);
    const CPptReader reader(file.ReadStream(kDocumentStreamName).value(),
                            file.ReadStream(kCurrentUserStreamName).value());
    const std::vector<StoredSlide> slides = reader.Slides();
    for (const StoredPlaceholder& placeholder : slides.at(0).placeholders)
        if (!placeholder.paragraphs.empty())
            return placeholder.paragraphs.front().text;
    return {};
}

std::size_t CountHidden(const CTempFolder& folder)
{
    const std::set<std::string> names = folder.Names();
    return static_cast<std::size_t>(std::count_if(
        names.begin(), names.end(), [](const std::string& name) { return name.front() == '.'; }));
}

TEST(SaveProcesses, ParallelSavesOfOneNameEachEndWithTheirOwnFile)
{
    constexpr int kRuns = 8;
    constexpr int kRounds = 4;
    CTempFolder notes;
    CTempFolder saved;
    std::set<std::string> paths;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<pid_t> children;
        for (int run = 0; run < kRuns; ++run) {
            const std::string id = std::to_string(round) + "-" + std::to_string(run);
            const std::string note = notes.Write(id + ".note", "Budget\nRun " + id + "\n");
            children.push_back(
                StartCli({"--no-template", "--save-folder", saved.Path().string(), note},
                         notes / (id + ".out"), notes / (id + ".err")));
        }
        for (int run = 0; run < kRuns; ++run) {
            const std::string id = std::to_string(round) + "-" + std::to_string(run);
            ASSERT_EQ(Wait(children[static_cast<std::size_t>(run)]), 0)
                << ReadAll(notes / (id + ".err"));
            const std::string path = FirstLine(notes / (id + ".out"));
            EXPECT_TRUE(paths.insert(path).second) << path << " printed twice";
            EXPECT_EQ(TitleOf(path), "Run " + id) << path;
            // A run that did not get the name it asked for says which it got.
            if (path != saved / "Budget.ppt") {
                EXPECT_NE(ReadAll(notes / (id + ".err")).find("saved as " + path + "."),
                          std::string::npos);
            }
        }
        EXPECT_EQ(saved.Names().size(), static_cast<std::size_t>(kRuns * (round + 1)));
    }
}

TEST(SaveProcesses, ParallelSavesWithOverwriteLeaveOneWholeFile)
{
    constexpr int kRuns = 8;
    CTempFolder notes;
    CTempFolder saved;
    for (int round = 0; round < 3; ++round) {
        std::vector<pid_t> children;
        std::set<std::string> titles;
        for (int run = 0; run < kRuns; ++run) {
            const std::string id = std::to_string(round) + "-" + std::to_string(run);
            titles.insert("Run " + id);
            const std::string note = notes.Write(id + ".note", "Budget\nRun " + id + "\n");
            children.push_back(StartCli(
                {"--no-template", "--overwrite", "--save-folder", saved.Path().string(), note},
                notes / (id + ".out"), notes / (id + ".err")));
        }
        for (const pid_t child : children)
            EXPECT_EQ(Wait(child), 0);
        EXPECT_EQ(saved.Names(), std::set<std::string>{"Budget.ppt"});
        EXPECT_EQ(titles.count(TitleOf(saved / "Budget.ppt")), 1u);
    }
}

// A note whose save takes a good while: a 12 MB file of 3000 full slides.
// Sanitized builds run many times slower, so a sixth of it takes as long.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kLargeNoteSlides = 500;
#else
constexpr int kLargeNoteSlides = 3000;
#endif

std::string LargeNote(const CTempFolder& folder)
{
    std::string slide;
    for (int bullet = 0; bullet < 25; ++bullet)
        slide += ".A point of some length to fill the slide\n..Detail below it\n";
    std::string text = "Big\nA large talk\n";
    for (int number = 0; number < kLargeNoteSlides; ++number)
        text += "-Slide " + std::to_string(number) + "\n" + slide;
    return folder.Write("big.note", text).string();
}

TEST(SaveProcesses, ASignalAtAnyPointOfALargeSaveLeavesNoTemporaryFile)
{
    CTempFolder notes;
    CTempFolder saved;
    const std::string note = LargeNote(notes);
    const auto runArgs = [&](bool overwrite) {
        Strings args{"--no-template", "--save-folder", saved.Path().string(), note};
        if (overwrite)
            args.insert(args.begin(), "--overwrite");
        return args;
    };
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(StartCli(runArgs(false), notes / "out", notes / "err")), 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(TitleOf(saved / "Big.ppt"), "A large talk");
    std::filesystem::remove(saved / "Big.ppt");

    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        for (const int percent : {40, 70, 90, 98}) {
            SCOPED_TRACE("signal " + std::to_string(signal) + " at " + std::to_string(percent) +
                         "%");
            // After SIGKILL nothing can take back a claimed name, so that
            // signal is sent to saves that replace.
            const pid_t child = StartCli(runArgs(signal == SIGKILL), notes / "out", notes / "err");
            std::this_thread::sleep_for(whole * percent / 100);
            ::kill(child, signal);
            const int status = Wait(child);
            EXPECT_TRUE(status == 0 || status == -signal) << status;
            EXPECT_EQ(CountHidden(saved), 0u);
            // The signal may come after the file was put in place: then it is
            // whole.
            if (saved.Names().count("Big.ppt") != 0) {
                EXPECT_EQ(TitleOf(saved / "Big.ppt"), "A large talk");
                std::filesystem::remove(saved / "Big.ppt");
            }
            EXPECT_TRUE(saved.Names().empty());
        }
    }
}

TEST(SaveProcesses, AReadOnlyPresentationIsRefusedByNameAndKept)
{
    CTempFolder folder;
    const std::string note = folder.Write("a.note", "Budget\nTitle\n").string();
    folder.Write("Budget.ppt", "old");
    ::chmod((folder / "Budget.ppt").c_str(), 0444);
    for (const std::string name : {"", "Budget.ppt", "a.note"})
        ASSERT_TRUE(GiveToNobody(folder / name));
    const int status = RunUnprivileged([&] {
        return Wait(StartCli(
            {"--no-template", "--overwrite", "--save-folder", folder.Path().string(), note},
            folder / "out", folder / "err"));
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(ReadAll(folder / "err"),
              note + ": Cannot save \"" + folder / "Budget.ppt" + "\": the file is read-only.\n");
    EXPECT_EQ(ReadAll(folder / "Budget.ppt"), "old");
}

TEST(SaveProcesses, TheFirstLineNamesAFileInTheSaveFolderAndTheOutputShowsIt)
{
    CTempFolder notes;
    CTempFolder saved;
    saved.Write("victim.txt", "keep me");
    const std::string longName(250, 'L');
    const std::map<std::string, std::string> cases{
        {std::string("victim.txt\0x", 12), "victim.txt_x.ppt"},
        {"../outside", ".._outside.ppt"},
        {"Caf\xE9 menu", "Caf\xC3\xA9 menu.ppt"},
        {"\xEF\xBB\xBF Budget", "Budget.ppt"},
        {"Tab\there", "Tab here.ppt"},
        {longName + ".ppt", longName + ".ppt"},
    };
    for (const auto& [line, name] : cases) {
        for (const bool overwrite : {true, false}) {
            const std::string note = notes.Write("n.note", line + "\nTitle\n");
            Strings args{"--no-template", "--save-folder", saved.Path().string(), note};
            if (overwrite)
                args.insert(args.begin(), "--overwrite");
            ASSERT_EQ(Wait(StartCli(args, notes / "out", notes / "err")), 0)
                << ReadAll(notes / "err");
            const std::string expected =
                overwrite ? name : name.substr(0, name.size() - 4) + "1.ppt";
            EXPECT_EQ(FirstLine(notes / "out"), saved / expected);
            EXPECT_EQ(TitleOf(saved / expected), "Title");
        }
    }
    EXPECT_EQ(ReadAll(saved / "victim.txt"), "keep me");
    EXPECT_EQ(saved.Names().size(), 1 + 2 * cases.size());
    EXPECT_FALSE(std::filesystem::exists(saved.Path().parent_path() / "outside.ppt"));
}

} // namespace
