// SPDX-License-Identifier: MIT
#include "ShapesObject.h"

#include "PowerPointDispids.h"
#include "SlideLayouts.h"
#include "Utf8Text.h"

CShapesObject::CShapesObject(std::shared_ptr<ApplicationState> state, int layout)
    : CModelObject(state)
{
    for (const LayoutPlaceholder& placeholder : PlaceholdersOfLayout(layout))
        m_shapes.push_back(MakeObject<CShapeObject>(state, placeholder.name, placeholder.kind));
}

std::span<const DispatchRow<CShapesObject>> CShapesObject::Members()
{
    using Row = DispatchRow<CShapesObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::ShapesItem, InvokeKind::Method, Args(ArgType::Variant),
         &CShapesObject::Item},
    };
    return rows;
}

HRESULT CShapesObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

std::vector<Placeholder> CShapesObject::ToPlaceholders() const
{
    std::vector<Placeholder> placeholders;
    placeholders.reserve(m_shapes.size());
    for (const CObjectRef<CShapeObject>& shape : m_shapes)
        placeholders.push_back(shape->ToPlaceholder());
    return placeholders;
}

// A string selects the shape of that name; a number its position from 1.
CVariant CShapesObject::Item(const CArguments& args)
{
    const CVariant& index = args.Variant(0);
    if (index.Type() == VT_BSTR)
        return ItemByName(index.String());
    const std::optional<CVariant> position =
        index.Type() == VT_DISPATCH ? std::nullopt : index.ChangeType(VT_I4);
    if (!position)
        throw CInvokeStatus(DISP_E_TYPEMISMATCH);
    return ItemByIndex(position->I4());
}

CVariant CShapesObject::ItemByName(const std::string& name) const
{
    for (const CObjectRef<CShapeObject>& shape : m_shapes) {
        if (shape->Name() == name)
            return shape.NewReference();
    }
    // The name is shown to the user, so it must be text a message box can show.
    throw CServerError(ServerError::ShapeNameNotFound, {ToValidUtf8(name), ListNames()});
}

CVariant CShapesObject::ItemByIndex(std::int32_t index) const
{
    if (index < 1 || static_cast<std::size_t>(index) > m_shapes.size()) {
        throw CServerError(ServerError::ShapeIndexOutOfRange,
                           {std::to_string(index), std::to_string(m_shapes.size())});
    }
    return m_shapes[static_cast<std::size_t>(index - 1)].NewReference();
}

std::string CShapesObject::ListNames() const
{
    if (m_shapes.empty())
        return "no shapes";
    std::string names;
    for (const CObjectRef<CShapeObject>& shape : m_shapes) {
        if (!names.empty())
            names += ", ";
        names += '"' + shape->Name() + '"';
    }
    return names;
}
