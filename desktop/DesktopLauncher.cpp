// SPDX-License-Identifier: MIT
#include "DesktopLauncher.h"

#include "LaunchReport.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The open program's file as execve needs it. The lookup in PATH happens
// here, before any fork, because it allocates.
std::string FindProgram(const std::string& program)
{
    const auto runnable = [](const std::string& file) {
        std::error_code ignored;
        return ::access(file.c_str(), X_OK) == 0 && !std::filesystem::is_directory(file, ignored);
    };
    if (program.find('/') != std::string::npos)
        return runnable(program) ? program : std::string();
    const char* searchPath = std::getenv("PATH");
    std::string_view folders = searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    for (;;) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        std::string candidate = std::string(folder.empty() ? "." : folder) + "/" + program;
        if (runnable(candidate))
            return candidate;
        if (colon == std::string_view::npos)
            return {};
        folders.remove_prefix(colon + 1);
    }
}

// Everything the helper needs, made before the fork: after it, in a copy of
// a program that may run several threads, only async-signal-safe calls are
// allowed.
struct HelperPlan
{
    std::string program;
    std::string path;
    std::vector<char*> argv;
    int report = -1;
    int devNull = -1;
    std::string failureText;
    long long windowMs = 0;
};

long long NowMs() noexcept
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void WriteAll(int descriptor, const std::string& text) noexcept
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += static_cast<std::size_t>(n);
    }
}

// Keeps only the standard descriptors and the report: the helper may live
// for the whole window and must not hold the program's files or pipes open.
void CloseAllBut(int keep) noexcept
{
    if (keep > 3)
        ::close_range(3, static_cast<unsigned>(keep - 1), 0);
    ::close_range(static_cast<unsigned>(std::max(3, keep + 1)), ~0U, 0);
}

// Waits for the open program until the window ends; true when it ended in it.
bool WaitWithin(pid_t program, long long windowMs, int& status) noexcept
{
    const long long deadline = NowMs() + windowMs;
    for (;;) {
        const pid_t ended = ::waitpid(program, &status, WNOHANG);
        if (ended == program)
            return true;
        if ((ended < 0 && errno != EINTR) || NowMs() >= deadline)
            return false;
        timespec pause{0, 20 * 1000 * 1000};
        ::nanosleep(&pause, nullptr);
    }
}

[[noreturn]] void RunHelper(HelperPlan& plan) noexcept
{
    struct sigaction ignore
    {};
    ignore.sa_handler = SIG_IGN;
    // Whoever reads the report may have gone; the helper still reaps.
    ::sigaction(SIGPIPE, &ignore, nullptr);
    ::dup2(plan.devNull, STDIN_FILENO);
    ::dup2(plan.devNull, STDOUT_FILENO);
    if (plan.report != STDERR_FILENO)
        ::dup2(plan.devNull, STDERR_FILENO);
    CloseAllBut(plan.report);
    const pid_t program = ::fork();
    if (program == 0) {
        // The program's own output goes nowhere: the user hears about a
        // failure from us, in one message.
        if (plan.report == STDERR_FILENO)
            ::dup2(STDIN_FILENO, STDERR_FILENO);
        else
            ::close(plan.report);
        ::execve(plan.program.c_str(), plan.argv.data(), environ);
        ::_exit(127);
    }
    int status = 0;
    const bool ended = program > 0 && WaitWithin(program, plan.windowMs, status);
    if (program < 0 || (ended && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)))
        WriteAll(plan.report, plan.failureText);
    ::close(plan.report);
    if (program > 0 && !ended) {
        while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
        }
    }
    ::_exit(0);
}

} // namespace

CDesktopLauncher::CDesktopLauncher(std::string openProgram, std::chrono::milliseconds window)
    : m_openProgram(std::move(openProgram)), m_window(window)
{}

bool CDesktopLauncher::Launch(const std::string& path, int reportDescriptor,
                              const std::string& failureText) const
{
    HelperPlan plan;
    plan.program = FindProgram(m_openProgram);
    if (plan.program.empty())
        return false;
    // The open program takes no "--": an absolute path cannot pass for an option.
    std::error_code error;
    plan.path = std::filesystem::absolute(path, error).string();
    if (error)
        return false;
    plan.argv = {const_cast<char*>(m_openProgram.c_str()), plan.path.data(), nullptr};
    plan.report = reportDescriptor;
    plan.failureText = failureText;
    plan.windowMs = m_window.count();
    plan.devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (plan.devNull < 0)
        return false;
    // The middle process only makes the helper and ends, so the helper is
    // adopted by the system instead of waiting for us to reap it.
    const pid_t middle = ::fork();
    if (middle == 0) {
        const pid_t helper = ::fork();
        if (helper == 0)
            RunHelper(plan);
        ::_exit(helper < 0 ? 1 : 0);
    }
    ::close(plan.devNull);
    if (middle < 0)
        return false;
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool CDesktopLauncher::OpenAndWait(const std::string& path) const
{
    try {
        CLaunchReport report;
        if (!Launch(path, report.WriteEnd(), "failed"))
            return false;
        report.CloseWriteEnd();
        // The helper always finishes by the end of the window; the margin is
        // for a machine too busy to let it run on time.
        report.Wait(m_window + std::chrono::seconds(2));
        return !report.Finished() || report.FailureText().empty();
    } catch (const std::exception&) {
        return false;
    }
}
