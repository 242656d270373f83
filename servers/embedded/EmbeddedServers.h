#pragma once

#include <memory>

class CProgIdRegistration;

// Puts our own servers into the ProgID table under the names the programs
// start them by, for as long as the returned object lives.
class CEmbeddedServers
{
public:
    CEmbeddedServers();
    ~CEmbeddedServers();
    CEmbeddedServers(const CEmbeddedServers&) = delete;
    CEmbeddedServers& operator=(const CEmbeddedServers&) = delete;

private:
    std::unique_ptr<CProgIdRegistration> m_presentationServer;
};
