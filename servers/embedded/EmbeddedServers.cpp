#include "EmbeddedServers.h"

#include "PptFileWriter.h"
#include "PresentationServer.h"
#include "ProgIdRegistry.h"

CEmbeddedServers::CEmbeddedServers()
{
    PresentationServices services;
    services.fileWriter = std::make_shared<CPptFileWriter>();
    const CPresentationServer presentationServer(services);
    m_presentationServer = std::make_unique<CProgIdRegistration>(
        std::string(kPresentationServerProgId), presentationServer.Factory());
}

CEmbeddedServers::~CEmbeddedServers() = default;
