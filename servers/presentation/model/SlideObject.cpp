// SPDX-License-Identifier: MIT
#include "SlideObject.h"

#include "PowerPointDispids.h"
#include "ShapeObject.h"
#include "ShapesObject.h"
#include "TextFrameObject.h"

#include <algorithm>
#include <utility>

namespace {

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

// The object in cache while it lives, else a new one put there. cache lies
// in the held objects, which making the object cannot let go.
template <class TObject, class... TArgs>
CObjectRef<TObject> CSlideObject::HeldOrNew(TObject*& cache, TArgs... args)
{
    if (cache != nullptr)
        return CObjectRef<TObject>::Share(cache);
    CObjectRef<TObject> made =
        MakeObject<TObject>(State(), CObjectRef<CSlideObject>::Share(this), args...);
    cache = made.Get();
    if (m_held->keep)
        m_held->kept.at(m_held->keptCount++) = CObjectRef<CModelObject>::Share(made.Get());
    return made;
}

CVariant CSlideObject::GetShapes(const CArguments&)
{
    return HeldOrNew(Held().shapes).HandOver();
}

CObjectRef<CShapeObject> CSlideObject::Shape(std::size_t index)
{
    return HeldOrNew(Held().shapeObjects.at(index), index);
}

CObjectRef<CTextFrameObject> CSlideObject::TextFrame(std::size_t index)
{
    return HeldOrNew(Held().frames.at(index), index);
}

CSlideObject::HeldObjects& CSlideObject::Held()
{
    if (m_held == nullptr)
        m_held = std::make_unique<HeldObjects>();
    return *m_held;
}

void CSlideObject::KeepObjects()
{
    Held().keep = true;
}

// The references go last, as letting the objects go may end the held
// objects themselves.
void CSlideObject::StopKeepingObjects() noexcept
{
    if (m_held == nullptr)
        return;
    m_held->keep = false;
    m_held->keptCount = 0;
    const auto kept = std::move(m_held->kept);
    ForgetIfNoneHeld();
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
    if (!m_held->keep && m_held->shapes == nullptr && NoneIn(m_held->shapeObjects) &&
        NoneIn(m_held->frames))
        m_held.reset();
}

// Only small texts: their copies are made in a moment, one at a time, while
// a large text's copy would stand beside it at the peak of the save.
void CSlideObject::ShrinkToFit()
{
    constexpr std::size_t kMostBytes = 64 * 1024;
    constexpr std::size_t kMostParagraphs = 8 * 1024; // their ends and levels: 64 KB
    for (Placeholder& placeholder : m_data.placeholders) {
        CParagraphs& paragraphs = placeholder.paragraphs;
        if (paragraphs.Text().size() <= kMostBytes && paragraphs.size() <= kMostParagraphs)
            paragraphs.ShrinkToFit();
    }
}

SlideData CSlideObject::Lend() noexcept
{
    return SlideData{m_data.layout, std::move(m_data.placeholders)};
}
