// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationObject.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Presentations: the open presentations of one application.
class CPresentationsObject final : public CModelObject
{
public:
    explicit CPresentationsObject(std::shared_ptr<ApplicationState> state) noexcept;

    std::size_t Count() const noexcept { return m_presentations.size(); }
    // index from 0.
    const CPresentationObject& Presentation(std::size_t index) const
    {
        return *m_presentations.at(index);
    }

    // Lets go of every presentation; a client that still holds one keeps
    // the object until it releases it.
    void CloseAll() noexcept;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CPresentationsObject>> Members();

    CVariant Add(const CArguments& args);

    std::vector<CObjectRef<CPresentationObject>> m_presentations;
};
