// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "SlideObject.h"

#include <cstddef>
#include <memory>
#include <span>

// TextFrame: the text of one placeholder, which it hands out ranges over.
class CTextFrameObject final : public CModelObject
{
public:
    // index: the placeholder's, from 0.
    CTextFrameObject(std::shared_ptr<ApplicationState> state, CObjectRef<CSlideObject> slide,
                     std::size_t index) noexcept;
    ~CTextFrameObject() override;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CTextFrameObject>> Members();

    CVariant GetTextRange(const CArguments& args);

    CObjectRef<CSlideObject> m_slide;
    std::size_t m_index;
};
