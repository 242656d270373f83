// SPDX-License-Identifier: MIT
#include "PresentationServer.h"

#include "ApplicationObject.h"

CPresentationServer::CPresentationServer(PresentationServices services)
    : m_services(std::move(services))
{}

IDispatch* CPresentationServer::CreateApplication() const
{
    return new CApplicationObject(m_services);
}

CProgIdRegistry::Factory CPresentationServer::Factory() const
{
    return [services = m_services]() -> IDispatch* {
        return new CApplicationObject(services);
    };
}

void CPresentationServer::Register(CProgIdRegistry& registry) const
{
    registry.Register(kPresentationServerProgId, Factory());
}
