// quillon-cli: the command-line front end, for scripts, batches and machines
// without a desktop. The composition root: it registers the embedded servers.
#include "CommandLine.h"
#include "DesktopPresentationViewer.h"
#include "DetachedDesktopOpen.h"
#include "EmbeddedServers.h"
#include "FileSystem.h"
#include "InstallPaths.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The command returns while the presentation is shown; a launch that
    // fails is still said on standard error, by the helper that watches it.
    auto viewer = std::make_shared<CDesktopPresentationViewer>(
        [](const std::string& text) { std::cerr << "quillon-cli: " << text << '\n'; },
        std::make_shared<CDetachedDesktopOpen>(STDERR_FILENO, "quillon-cli: "));
    const CEmbeddedServers servers(std::filesystem::path(), viewer);
    const CLocalFileSystem fileSystem;
    const auto defaultTemplate = FindDataFile("quillon.pot");
    CCommandLine commandLine({std::cin, std::cout, std::cerr, fileSystem,
                              defaultTemplate ? defaultTemplate->string() : std::string()});
    return commandLine.Run(std::vector<std::string>(argv + 1, argv + argc));
}
