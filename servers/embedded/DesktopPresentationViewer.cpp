#include "DesktopPresentationViewer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Runs the program with the path as its one argument and gives its exit
// status, or -1 when it could not be started. Its output goes nowhere: the
// user hears about a failure from us, in one message.
int RunOpenProgram(const std::string& program, const std::string& path)
{
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0)
        return -1;
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(path.c_str()),
                            nullptr};
    pid_t child = 0;
    const int spawned =
        ::posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

CDesktopPresentationViewer::CDesktopPresentationViewer(Report report, std::string openProgram)
    : m_report(std::move(report)), m_openProgram(std::move(openProgram))
{}

void CDesktopPresentationViewer::Show(const std::string& path) noexcept
{
    try {
        if (RunOpenProgram(m_openProgram, path) != 0)
            ReportFailure("The presentation \"" + path +
                          "\" could not be opened: the desktop has no program that shows "
                          "presentations, or it did not start.");
    } catch (const std::exception&) {
        ReportFailure("The presentation \"" + path + "\" could not be opened.");
    }
}

void CDesktopPresentationViewer::ReportFailure(const std::string& text) noexcept
{
    try {
        if (m_report)
            m_report(text);
    } catch (const std::exception&) {
        // The report itself failed; there is no one left to tell.
    }
}
