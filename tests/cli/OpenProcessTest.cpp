// SPDX-License-Identifier: MIT
#include "TempFolder.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Runs quillon-cli --open on a note, with a stand-in for xdg-open first in
// PATH, and gives how long the command took; its error output goes to
// err.txt of the folder.
double RunOpen(const CTempFolder& folder, const std::string& openerBody)
{
    std::filesystem::create_directory(folder.Path() / "bin");
    const auto opener = folder.Write("bin/xdg-open", "#!/bin/sh\n" + openerBody);
    ::chmod(opener.c_str(), 0755);
    folder.Write("talk.note", "Talk\nA talk\n-Slide\n.Point\n");
    const std::string command = "cd '" + folder.Path().string() + "' && PATH=\"$PWD/bin:$PATH\" '" +
                                QUILLON_CLI_PATH +
                                "' --open --no-template talk.note >/dev/null 2>err.txt";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return seconds;
}

TEST(CommandLineOpen, ReturnsWhileThePresentationIsStillShown)
{
    CTempFolder folder;
    const double seconds = RunOpen(folder, "echo \"$1\" > \"$0.opened\"\nexec sleep 5\n");
    EXPECT_LT(seconds, 2.0) << "the viewer runs for 5 s";
    std::string opened;
    for (int i = 0; i < 50 && opened.empty(); ++i, std::this_thread::sleep_for(100ms))
        opened = ReadAll(folder / "bin/xdg-open.opened");
    EXPECT_EQ(opened, (folder / "Talk.ppt") + "\n");
}

TEST(CommandLineOpen, SaysOnceWhenNothingOpensThePresentation)
{
    CTempFolder folder;
    RunOpen(folder, "exit 3\n");
    const std::string message = "quillon-cli: The presentation \"" + (folder / "Talk.ppt") +
                                "\" could not be opened: the desktop has no program that shows "
                                "presentations, or it did not start.\n";
    // The launch's helper says it, maybe after the command has returned.
    std::string err;
    for (int i = 0; i < 50 && err.empty(); ++i, std::this_thread::sleep_for(100ms))
        err = ReadAll(folder / "err.txt");
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(Occurrences(ReadAll(folder / "err.txt"), message), 1) << err;
}

} // namespace
