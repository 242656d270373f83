// quillon-cli: the command-line front end, for scripts, batches and machines
// without a desktop. The composition root: it registers the embedded servers.
#include "CleanupOnSignal.h"
#include "CommandLine.h"
#include "DesktopPresentationViewer.h"
#include "EmbeddedServers.h"
#include "FileSystem.h"
#include "InstallPaths.h"

#include <iostream>

int main(int argc, char** argv)
{
    // An interrupted save leaves nothing behind: see CleanupOnSignal.
    CleanupOnSignal::InstallHandlers();
    auto viewer = std::make_shared<CDesktopPresentationViewer>(
        [](const std::string& text) { std::cerr << "quillon-cli: " << text << '\n'; });
    const CEmbeddedServers servers(std::filesystem::path(), viewer);
    const CLocalFileSystem fileSystem;
    const auto defaultTemplate = FindDataFile("quillon.pot");
    CCommandLine commandLine({std::cin, std::cout, std::cerr, fileSystem,
                              defaultTemplate ? defaultTemplate->string() : std::string()});
    return commandLine.Run(std::vector<std::string>(argv + 1, argv + argc));
}
