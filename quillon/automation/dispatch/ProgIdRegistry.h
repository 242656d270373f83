// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

// The table that turns a programmatic identifier into a running server. The
// programs register their embedded servers at start-up; tests register
// recording servers under the same names.
class CProgIdRegistry
{
public:
    // Gives a new reference to the server's application object, or nullptr
    // when the server cannot start.
    using Factory = std::function<IDispatch*()>;

    static CProgIdRegistry& Instance();

    // Replaces any factory registered under the same name (names are
    // compared without regard to ASCII case, as programmatic ids are).
    void Register(std::string_view progId, Factory factory);
    void Unregister(std::string_view progId);
    // The factory registered under the name; empty when there is none.
    Factory Find(std::string_view progId) const;

    // A new reference in *dispatch, or a failing status and nullptr.
    HRESULT Create(std::string_view progId, IDispatch** dispatch) const;

private:
    static std::string Key(std::string_view progId);

    mutable std::mutex m_mutex;
    std::map<std::string, Factory> m_factories;
};

// Registers a factory for one scope and restores the previous one after it.
class CProgIdRegistration
{
public:
    CProgIdRegistration(std::string progId, CProgIdRegistry::Factory factory);
    ~CProgIdRegistration();
    CProgIdRegistration(const CProgIdRegistration&) = delete;
    CProgIdRegistration& operator=(const CProgIdRegistration&) = delete;

private:
    std::string m_progId;
    CProgIdRegistry::Factory m_previous;
};
