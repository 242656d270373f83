// SPDX-License-Identifier: MIT
// quillon-cli: the command-line front end, for scripts, batches and machines
// without a desktop. The composition root: it registers the embedded servers.
#include "CleanupOnSignal.h"
#include "CommandLine.h"
#include "DesktopPresentationViewer.h"
#include "DetachedDesktopOpen.h"
#include "EmbeddedServers.h"
#include "FileSystem.h"
#include "InstallPaths.h"
#include "MessageText.h"

#include <iostream>
#include <new>
#include <unistd.h>

namespace {

int Run(int argc, char** argv)
{
    // An interrupted save leaves nothing behind: see CleanupOnSignal.
    CleanupOnSignal::InstallHandlers();
    // The command returns while the presentation is shown; a launch that
    // fails is still said on standard error, by the helper that watches it.
    auto viewer = std::make_shared<CDesktopPresentationViewer>(
        [](const std::string& text) {
            std::cerr << ReadableMessage("quillon-cli: " + text, MessageLayout::SingleLine) << '\n';
        },
        std::make_shared<CDetachedDesktopOpen>(STDERR_FILENO, "quillon-cli: "));
    const CEmbeddedServers servers(std::filesystem::path(), viewer);
    const CLocalFileSystem fileSystem;
    const auto shipped = [](const char* name) {
        const auto found = FindDataFile(name);
        return found ? found->string() : std::string();
    };
    CCommandLine commandLine({std::cin,
                              std::cout,
                              std::cerr,
                              fileSystem,
                              {shipped("quillon.pot"), shipped("quillon.potx")}});
    return commandLine.Run(std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        // Each note's build says this for itself; this is what is left, as
        // starting the servers. Written without allocating anything.
        constexpr char kText[] = "quillon-cli: there is not enough memory to run\n";
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kText, sizeof kText - 1);
        return 1;
    }
}
