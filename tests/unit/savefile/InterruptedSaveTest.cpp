// SPDX-License-Identifier: MIT
// A save that a signal ends at some point leaves the old file as it was and
// nothing else: no temporary file, no empty file holding a claimed name.
#include "CleanupOnSignal.h"
#include "NameClaim.h"
#include "SafeFile.h"
#include "TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Point
{
    AfterOpening,
    AfterWriting,
    WhileAClaimHoldsAName
};

// In a child: gets as far as the point, tells the parent, waits for the signal.
[[noreturn]] void SaveUntil(Point point, CSafeFile::Temporary temporary, const CTempFolder& folder,
                            int readyFd)
{
    CleanupOnSignal::InstallHandlers();
    if (point == Point::WhileAClaimHoldsAName) {
        NameClaim::Claim(folder / "claimed.ppt");
        if (::write(readyFd, "r", 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    CSafeFile file(folder / "talk.ppt", temporary);
    if (point == Point::AfterWriting) {
        const std::string bytes(4 << 20, 'x');
        if (::write(file.Descriptor(), bytes.data(), bytes.size()) < 0)
            ::_exit(1);
    }
    if (::write(readyFd, "r", 1) != 1)
        ::_exit(1);
    for (;;)
        ::pause();
}

// The signal's number when it ended the child, or -1.
int InterruptAt(Point point, CSafeFile::Temporary temporary, const CTempFolder& folder, int signal)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0)
        SaveUntil(point, temporary, folder, pipeFds[1]);
    ::close(pipeFds[1]);
    char ready = 0;
    const bool reached = ::read(pipeFds[0], &ready, 1) == 1;
    ::close(pipeFds[0]);
    ::kill(child, reached ? signal : SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return reached && WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(InterruptedSave, NothingButTheOldFileRemainsWhateverSignalEndsTheSave)
{
    using Temporary = CSafeFile::Temporary;
    for (const Temporary temporary : {Temporary::Unnamed, Temporary::HiddenName}) {
        for (const Point point :
             {Point::AfterOpening, Point::AfterWriting, Point::WhileAClaimHoldsAName}) {
            // Nothing can clean up after SIGKILL: only a file without a name
            // is gone by itself then.
            std::vector<int> signals{SIGINT, SIGTERM, SIGHUP};
            if (temporary == Temporary::Unnamed && point != Point::WhileAClaimHoldsAName)
                signals.push_back(SIGKILL);
            for (const int signal : signals) {
                SCOPED_TRACE("point " + std::to_string(static_cast<int>(point)) + ", signal " +
                             std::to_string(signal) + ", hidden name " +
                             std::to_string(temporary == Temporary::HiddenName));
                CTempFolder folder;
                folder.Write("talk.ppt", "old");
                EXPECT_EQ(InterruptAt(point, temporary, folder, signal), signal)
                    << "the program ends as the signal says";
                EXPECT_EQ(folder.Names(), std::set<std::string>{"talk.ppt"});
                EXPECT_EQ(ReadAll(folder / "talk.ppt"), "old");
            }
        }
    }
}

} // namespace
