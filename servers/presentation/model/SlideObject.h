// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationDocument.h"
#include "ShapesObject.h"

#include <memory>
#include <span>

// Slide: one slide of a presentation, with the placeholders of its layout.
class CSlideObject final : public CModelObject
{
public:
    // layout must be one that IsSupportedLayout accepts.
    CSlideObject(std::shared_ptr<ApplicationState> state, int layout);

    int Layout() const noexcept { return m_layout; }
    const CShapesObject& Shapes() const noexcept { return *m_shapes; }
    CShapesObject& Shapes() noexcept { return *m_shapes; }

    SlideData ToSlideData() const;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CSlideObject>> Members();

    CVariant GetShapes(const CArguments& args);

    int m_layout;
    CObjectRef<CShapesObject> m_shapes;
};
