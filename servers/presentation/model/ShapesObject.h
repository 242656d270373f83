// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "SlideObject.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// Shapes: the placeholders of one slide, found by name or by position.
class CShapesObject final : public CModelObject
{
public:
    CShapesObject(std::shared_ptr<ApplicationState> state, CObjectRef<CSlideObject> slide) noexcept;
    ~CShapesObject() override;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CShapesObject>> Members();

    CVariant Item(const CArguments& args);
    CVariant ItemByName(const std::string& name) const;
    CVariant ItemByIndex(std::int32_t index) const;
    std::string ListNames() const;

    CObjectRef<CSlideObject> m_slide;
};
