// SPDX-License-Identifier: MIT
#include "ProgIdRegistry.h"

#include <algorithm>
#include <exception>

CProgIdRegistry& CProgIdRegistry::Instance()
{
    static CProgIdRegistry registry;
    return registry;
}

std::string CProgIdRegistry::Key(std::string_view progId)
{
    std::string key(progId);
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return key;
}

void CProgIdRegistry::Register(std::string_view progId, Factory factory)
{
    std::lock_guard lock(m_mutex);
    m_factories[Key(progId)] = std::move(factory);
}

void CProgIdRegistry::Unregister(std::string_view progId)
{
    std::lock_guard lock(m_mutex);
    m_factories.erase(Key(progId));
}

CProgIdRegistry::Factory CProgIdRegistry::Find(std::string_view progId) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_factories.find(Key(progId));
    return found != m_factories.end() ? found->second : Factory();
}

HRESULT CProgIdRegistry::Create(std::string_view progId, IDispatch** dispatch) const
{
    *dispatch = nullptr;
    // Called outside the lock: a server's start-up may itself create servers.
    const Factory factory = Find(progId);
    if (!factory)
        return REGDB_E_CLASSNOTREG;
    try {
        *dispatch = factory();
    } catch (const std::exception&) {
        *dispatch = nullptr;
    }
    return *dispatch != nullptr ? S_OK : CO_E_SERVER_EXEC_FAILURE;
}

CProgIdRegistration::CProgIdRegistration(std::string progId, CProgIdRegistry::Factory factory)
    : m_progId(std::move(progId)), m_previous(CProgIdRegistry::Instance().Find(m_progId))
{
    CProgIdRegistry::Instance().Register(m_progId, std::move(factory));
}

CProgIdRegistration::~CProgIdRegistration()
{
    CProgIdRegistry& registry = CProgIdRegistry::Instance();
    if (m_previous)
        registry.Register(m_progId, std::move(m_previous));
    else
        registry.Unregister(m_progId);
}
