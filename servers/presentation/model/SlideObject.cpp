// SPDX-License-Identifier: MIT
#include "SlideObject.h"

#include "PowerPointDispids.h"
#include "ShapeObject.h"
#include "ShapesObject.h"
#include "TextFrameObject.h"

#include <algorithm>
#include <utility>

namespace {

// The object in cache while it lives, else a new one put there.
template <class TObject, class... TArgs>
CObjectRef<TObject> HeldOrNew(TObject*& cache, const std::shared_ptr<ApplicationState>& state,
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

template <class TObject, std::size_t N> bool NoneIn(const std::array<TObject*, N>& cache) noexcept
{
    return std::all_of(cache.begin(), cache.end(),
                       [](const TObject* held) { return held == nullptr; });
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
    return HeldOrNew(Held().shapes, State(), this).NewReference();
}

CObjectRef<CShapeObject> CSlideObject::Shape(std::size_t index)
{
    return HeldOrNew(Held().shapeObjects.at(index), State(), this, index);
}

CObjectRef<CTextFrameObject> CSlideObject::TextFrame(std::size_t index)
{
    return HeldOrNew(Held().frames.at(index), State(), this, index);
}

CSlideObject::HeldObjects& CSlideObject::Held()
{
    if (m_held == nullptr)
        m_held = std::make_unique<HeldObjects>();
    return *m_held;
}

void CSlideObject::Forget(const CShapesObject* shapes) noexcept
{
    if (m_held->shapes == shapes)
        m_held->shapes = nullptr;
    ForgetIfNoneHeld();
}

void CSlideObject::Forget(const CShapeObject* shape) noexcept
{
    ForgetIn(m_held->shapeObjects, shape);
    ForgetIfNoneHeld();
}

void CSlideObject::Forget(const CTextFrameObject* frame) noexcept
{
    ForgetIn(m_held->frames, frame);
    ForgetIfNoneHeld();
}

void CSlideObject::ForgetIfNoneHeld() noexcept
{
    if (m_held->shapes == nullptr && NoneIn(m_held->shapeObjects) && NoneIn(m_held->frames))
        m_held.reset();
}

void CSlideObject::ShrinkToFit()
{
    for (Placeholder& placeholder : m_data.placeholders)
        placeholder.paragraphs.ShrinkToFit();
}

SlideData CSlideObject::Lend() noexcept
{
    return SlideData{m_data.layout, std::move(m_data.placeholders)};
}
