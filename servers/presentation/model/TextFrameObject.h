// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "TextBody.h"

#include <memory>
#include <span>

// TextFrame: owns the text of one shape and hands out ranges over it.
class CTextFrameObject final : public CModelObject
{
public:
    explicit CTextFrameObject(std::shared_ptr<ApplicationState> state);

    const CTextBody& Body() const noexcept { return *m_body; }
    CTextBody& Body() noexcept { return *m_body; }

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CTextFrameObject>> Members();

    CVariant GetTextRange(const CArguments& args);

    // Shared with the ranges, which may outlive the frame in a client's hands.
    std::shared_ptr<CTextBody> m_body;
};
