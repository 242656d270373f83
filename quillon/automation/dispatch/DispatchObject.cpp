// SPDX-License-Identifier: MIT
#include "DispatchObject.h"

std::atomic<long> CDispatchObject::s_liveObjects{0};

CDispatchObject::CDispatchObject() noexcept
{
    ++s_liveObjects;
}

CDispatchObject::~CDispatchObject()
{
    --s_liveObjects;
}

std::uint32_t CDispatchObject::AddRef() noexcept
{
    return ++m_refCount;
}

std::uint32_t CDispatchObject::Release() noexcept
{
    const std::uint32_t remaining = --m_refCount;
    if (remaining == 0)
        delete this;
    return remaining;
}

long CDispatchObject::LiveObjects() noexcept
{
    return s_liveObjects.load();
}
