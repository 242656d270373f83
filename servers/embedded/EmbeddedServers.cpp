#include "EmbeddedServers.h"

#include "NotesFolderServer.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "PresentationServer.h"
#include "ProgIdRegistry.h"
#include "ViewingCopies.h"

CEmbeddedServers::CEmbeddedServers(std::filesystem::path notesFolder,
                                   std::shared_ptr<IPresentationViewer> viewer,
                                   ViewingName viewingName)
{
    if (viewer) {
        std::error_code noTemporaryFolder;
        const auto temporary = std::filesystem::temp_directory_path(noTemporaryFolder);
        if (!noTemporaryFolder)
            ViewingCopies::RemoveStale(temporary);
    }
    PresentationServices services;
    services.fileWriter = std::make_shared<CPptFileWriter>();
    services.viewer = std::move(viewer);
    services.viewingName = std::move(viewingName);
    services.templateLoader = std::make_shared<CPotTemplateLoader>();
    const CPresentationServer presentationServer(services);
    m_presentationServer = std::make_unique<CProgIdRegistration>(
        std::string(kPresentationServerProgId), presentationServer.Factory());
    if (notesFolder.empty())
        notesFolder = CNotesFolderServer::DefaultFolder();
    m_notesServer = std::make_unique<CProgIdRegistration>(
        CNotesFolderServer::ProgId, CNotesFolderServer::Factory(std::move(notesFolder)));
}

CEmbeddedServers::~CEmbeddedServers() = default;
