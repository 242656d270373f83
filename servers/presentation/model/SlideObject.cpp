// SPDX-License-Identifier: MIT
#include "SlideObject.h"

#include "PowerPointDispids.h"
#include "ShapeObject.h"
#include "ShapesObject.h"
#include "TextFrameObject.h"

#include <utility>

namespace {

// The object in cache while it lives, else a new one put there.
template <class TObject, class... TArgs>
CObjectRef<TObject> Held(TObject*& cache, const std::shared_ptr<ApplicationState>& state,
                         CSlideObject* slide, TArgs... args)
{
    if (cache != nullptr)
        return CObjectRef<TObject>::Share(cache);
    CObjectRef<TObject> made =
        MakeObject<TObject>(state, CObjectRef<CSlideObject>::Share(slide), args...);
    cache = made.Get();
    return made;
}

template <class TObject, std::size_t N>
void ForgetIn(std::array<TObject*, N>& cache, const TObject* object) noexcept
{
    for (TObject*& held : cache) {
        if (held == object)
            held = nullptr;
    }
}

} // namespace

CSlideObject::CSlideObject(std::shared_ptr<ApplicationState> state, int layout)
    : CModelObject(std::move(state)), m_data{layout, {}}
{
    const std::span<const LayoutPlaceholder> placeholders = PlaceholdersOfLayout(layout);
    m_data.placeholders.reserve(placeholders.size());
    for (const LayoutPlaceholder& placeholder : placeholders)
        m_data.placeholders.push_back(Placeholder{placeholder.name, placeholder.kind});
}

std::span<const DispatchRow<CSlideObject>> CSlideObject::Members()
{
    using Row = DispatchRow<CSlideObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::SlideShapes, InvokeKind::PropertyGet, Args(), &CSlideObject::GetShapes},
    };
    return rows;
}

HRESULT CSlideObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

CVariant CSlideObject::GetShapes(const CArguments&)
{
    return Held(m_shapes, State(), this).NewReference();
}

CObjectRef<CShapeObject> CSlideObject::Shape(std::size_t index)
{
    return Held(m_shapeObjects.at(index), State(), this, index);
}

CObjectRef<CTextFrameObject> CSlideObject::TextFrame(std::size_t index)
{
    return Held(m_frames.at(index), State(), this, index);
}

void CSlideObject::Forget(const CShapesObject* shapes) noexcept
{
    if (m_shapes == shapes)
        m_shapes = nullptr;
}

void CSlideObject::Forget(const CShapeObject* shape) noexcept
{
    ForgetIn(m_shapeObjects, shape);
}

void CSlideObject::Forget(const CTextFrameObject* frame) noexcept
{
    ForgetIn(m_frames, frame);
}

SlideData CSlideObject::Lend() noexcept
{
    return SlideData{m_data.layout, std::move(m_data.placeholders)};
}
