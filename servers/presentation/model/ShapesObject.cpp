// SPDX-License-Identifier: MIT
#include "ShapesObject.h"

#include "PowerPointDispids.h"
#include "ShapeObject.h"
#include "Utf8Text.h"

CShapesObject::CShapesObject(std::shared_ptr<ApplicationState> state,
                             CObjectRef<CSlideObject> slide) noexcept
    : CModelObject(std::move(state)), m_slide(std::move(slide))
{}

CShapesObject::~CShapesObject()
{
    m_slide->Forget(this);
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
    for (std::size_t i = 0; i < m_slide->PlaceholderCount(); ++i) {
        if (m_slide->PlaceholderAt(i).name == name)
            return m_slide->Shape(i).HandOver();
    }
    // The name is shown to the user, so it must be text a message box can show.
    throw CServerError(ServerError::ShapeNameNotFound, {ToValidUtf8(name), ListNames()});
}

CVariant CShapesObject::ItemByIndex(std::int32_t index) const
{
    const std::size_t count = m_slide->PlaceholderCount();
    if (index < 1 || static_cast<std::size_t>(index) > count) {
        throw CServerError(ServerError::ShapeIndexOutOfRange,
                           {std::to_string(index), std::to_string(count)});
    }
    return m_slide->Shape(static_cast<std::size_t>(index - 1)).HandOver();
}

std::string CShapesObject::ListNames() const
{
    if (m_slide->PlaceholderCount() == 0)
        return "no shapes";
    std::string names;
    for (std::size_t i = 0; i < m_slide->PlaceholderCount(); ++i) {
        if (!names.empty())
            names += ", ";
        names += '"' + m_slide->PlaceholderAt(i).name + '"';
    }
    return names;
}
