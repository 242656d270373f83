// SPDX-License-Identifier: MIT
#include "EmbeddedServers.h"

#include "FileWritersByFormat.h"
#include "NotesFolderServer.h"
#include "PptFileWriter.h"
#include "PptxFileWriter.h"
#include "PresentationServer.h"
#include "ProgIdRegistry.h"
#include "TemplateLoader.h"

CEmbeddedServers::CEmbeddedServers(std::filesystem::path notesFolder,
                                   std::shared_ptr<IPresentationViewer> viewer,
                                   ViewingName viewingName)
{
    PresentationServices services;
    auto writers = std::make_shared<CFileWritersByFormat>();
    auto pptWriter = std::make_shared<CPptFileWriter>();
    writers->Add(CPptFileWriter::kFormatPresentation, pptWriter);
    writers->Add(CPptFileWriter::kFormatTemplate, pptWriter);
    writers->Add(CPptxFileWriter::kFormatOpenXmlPresentation, std::make_shared<CPptxFileWriter>());
    services.fileWriter = writers;
    services.viewer = std::move(viewer);
    services.viewingName = std::move(viewingName);
    services.templateLoader = std::make_shared<CTemplateLoader>();
    const CPresentationServer presentationServer(services);
    m_presentationServer = std::make_unique<CProgIdRegistration>(
        std::string(kPresentationServerProgId), presentationServer.Factory());
    if (notesFolder.empty())
        notesFolder = CNotesFolderServer::DefaultFolder();
    m_notesServer = std::make_unique<CProgIdRegistration>(
        CNotesFolderServer::ProgId, CNotesFolderServer::Factory(std::move(notesFolder)));
}

CEmbeddedServers::~CEmbeddedServers() = default;
