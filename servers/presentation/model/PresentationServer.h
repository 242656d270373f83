// SPDX-License-Identifier: MIT
#pragma once

#include "ApplicationState.h"
#include "Dispatch.h"
#include "ProgIdRegistry.h"

#include <string_view>

// The programmatic identifier clients start the presentation server by.
inline constexpr std::string_view kPresentationServerProgId = "Powerpoint.Application";

// The embedded presentation server as the programs register it. Every
// creation starts a new application of its own, so one build never sees the
// presentations of another.
class CPresentationServer
{
public:
    explicit CPresentationServer(PresentationServices services);

    // A new application object; the caller owns its one reference.
    IDispatch* CreateApplication() const;
    // A factory for CProgIdRegistry that creates applications as above.
    CProgIdRegistry::Factory Factory() const;
    // Registers Factory() under kPresentationServerProgId.
    void Register(CProgIdRegistry& registry) const;

private:
    PresentationServices m_services;
};
