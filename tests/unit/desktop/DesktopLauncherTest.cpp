// SPDX-License-Identifier: MIT
#include "DesktopLauncher.h"

#include "DetachedDesktopOpen.h"
#include "LaunchReport.h"
#include "StandInOpener.h"

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr auto kWindow = 400ms;

// Children of this process that have ended and were never reaped.
int ZombieChildren()
{
    int zombies = 0;
    DIR* processes = ::opendir("/proc");
    while (const dirent* entry = processes ? ::readdir(processes) : nullptr) {
        std::ifstream status(std::string("/proc/") + entry->d_name + "/status");
        std::string line;
        bool zombie = false;
        while (std::getline(status, line)) {
            if (line.starts_with("State:"))
                zombie = line.find('Z') != std::string::npos;
            else if (line.starts_with("PPid:") && zombie &&
                     std::stoi(line.substr(5)) == static_cast<int>(::getpid()))
                ++zombies;
        }
    }
    if (processes)
        ::closedir(processes);
    return zombies;
}

struct Outcome
{
    bool launched;
    bool finished;
    std::string text;
};

Outcome LaunchAndRead(const std::string& program, const std::string& path,
                      std::chrono::milliseconds wait)
{
    CLaunchReport report;
    const bool launched =
        CDesktopLauncher(program, kWindow).Launch(path, report.WriteEnd(), "no program");
    report.CloseWriteEnd();
    report.Wait(wait);
    return {launched, report.Finished(), report.FailureText()};
}

TEST(DesktopLauncher, AnOpenerThatFindsNoProgramIsReportedOnceAtOnce)
{
    const CStandInOpeners openers;
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = LaunchAndRead(openers / "failing", "/talks/Budget.ppt", 5s);
    EXPECT_TRUE(outcome.launched);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.text, "no program");
    EXPECT_LT(SecondsSince(start), 2.0) << "known when the opener ends, not at the window's end";
    EXPECT_FALSE(CDesktopLauncher(openers / "failing", kWindow).OpenAndWait("/talks/Budget.ppt"));
}

TEST(DesktopLauncher, AViewerStillRunningAtTheWindowsEndHasTakenTheFile)
{
    const CStandInOpeners openers;
    const auto start = std::chrono::steady_clock::now();
    CLaunchReport report;
    ASSERT_TRUE(
        CDesktopLauncher(openers / "viewer", kWindow).Launch("b.ppt", report.WriteEnd(), "x"));
    report.CloseWriteEnd();
    EXPECT_LT(SecondsSince(start), 0.3) << "the launch does not wait for the viewer";
    // The viewer holds no end of the report: it ends with the window.
    EXPECT_TRUE(report.Wait(3s));
    EXPECT_EQ(report.FailureText(), "");
    EXPECT_LT(SecondsSince(start), 3.0);
    std::ifstream opened(openers / "viewer.opened");
    std::string argument;
    std::getline(opened, argument);
    EXPECT_EQ(argument, (std::filesystem::current_path() / "b.ppt").string())
        << "an absolute path, which the opener cannot take for an option";
    EXPECT_TRUE(CDesktopLauncher(openers / "quick", kWindow).OpenAndWait("b.ppt"));
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST(DesktopLauncher, AnOpenerThatIsNotThereIsTheCallersToReport)
{
    const Outcome outcome = LaunchAndRead("no-such-open-program-here", "/talks/Budget.ppt", 0ms);
    EXPECT_FALSE(outcome.launched);
    EXPECT_FALSE(CDesktopLauncher("no-such-open-program-here").OpenAndWait("/talks/Budget.ppt"));
}

TEST(DetachedDesktopOpen, WritesOneLineForAFailedLaunchAndNothingForATakenOne)
{
    const CStandInOpeners openers;
    for (const auto& [program, expected] :
         {std::pair{openers / "failing", std::string("cli: no program\n")},
          std::pair{std::string("no-such-open-program-here"), std::string("cli: no program\n")},
          std::pair{openers / "viewer", std::string()}}) {
        SCOPED_TRACE(program);
        CLaunchReport report;
        CDetachedDesktopOpen(report.WriteEnd(), "cli: ", CDesktopLauncher(program, kWindow))
            .Open("/talks/Budget.ppt", "no program");
        report.CloseWriteEnd();
        EXPECT_TRUE(report.Wait(3s));
        EXPECT_EQ(report.FailureText(), expected);
    }
}

} // namespace
