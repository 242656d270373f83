// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "SlideObject.h"

#include <cstddef>
#include <memory>
#include <span>

// Shape: one placeholder of a slide, with its name and its text frame.
class CShapeObject final : public CModelObject
{
public:
    // index: the placeholder's, from 0.
    CShapeObject(std::shared_ptr<ApplicationState> state, CObjectRef<CSlideObject> slide,
                 std::size_t index) noexcept;
    ~CShapeObject() override;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CShapeObject>> Members();

    CVariant GetTextFrame(const CArguments& args);

    CObjectRef<CSlideObject> m_slide;
    std::size_t m_index;
};
