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
#include <malloc.h>
#include <new>
#include <unistd.h>

namespace {

// A save's buffers grow by doubling to a few megabytes. Above the allocator's
// default threshold (128 KB, raised only as such blocks are freed) each one
// was a new mapping whose every page faulted in and was handed back when the
// next doubling freed it; in the heap, a freed buffer is reused by the next
// one. Blocks above 4 MB (a huge note's) are still mapped on their own and
// returned whole when freed, and at most 2 MB of free heap is kept.
void TuneAllocator()
{
    constexpr int kMegabyte = 1024 * 1024;
    ::mallopt(M_MMAP_THRESHOLD, 4 * kMegabyte);
    ::mallopt(M_TRIM_THRESHOLD, 2 * kMegabyte);
}

int Run(int argc, char** argv)
{
    TuneAllocator();
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
