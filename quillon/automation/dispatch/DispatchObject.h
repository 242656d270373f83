// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

#include <atomic>
#include <cstdint>

// Base of every automation object we implement ourselves. It starts with one
// reference, owned by whoever created it, and counts the live objects of the
// process so tests can prove that no error path leaks a reference.
class CDispatchObject : public IDispatch
{
public:
    CDispatchObject(const CDispatchObject&) = delete;
    CDispatchObject& operator=(const CDispatchObject&) = delete;

    std::uint32_t AddRef() noexcept override;
    std::uint32_t Release() noexcept override;

    static long LiveObjects() noexcept;

protected:
    CDispatchObject() noexcept;
    ~CDispatchObject() override;

private:
    std::atomic<std::uint32_t> m_refCount{1};
    static std::atomic<long> s_liveObjects;
};
