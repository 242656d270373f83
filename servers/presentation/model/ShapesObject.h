// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "ShapeObject.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Shapes: the placeholders of one slide, found by name or by position.
class CShapesObject final : public CModelObject
{
public:
    // The placeholders of a new slide of layout.
    CShapesObject(std::shared_ptr<ApplicationState> state, int layout);

    std::size_t Count() const noexcept { return m_shapes.size(); }
    // index from 0.
    const CShapeObject& Shape(std::size_t index) const { return *m_shapes.at(index); }
    CShapeObject& Shape(std::size_t index) { return *m_shapes.at(index); }

    std::vector<Placeholder> ToPlaceholders() const;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CShapesObject>> Members();

    CVariant Item(const CArguments& args);
    CVariant ItemByName(const std::string& name) const;
    CVariant ItemByIndex(std::int32_t index) const;
    std::string ListNames() const;

    std::vector<CObjectRef<CShapeObject>> m_shapes;
};
