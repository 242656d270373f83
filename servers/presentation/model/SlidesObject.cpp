// SPDX-License-Identifier: MIT
#include "SlidesObject.h"

#include "PowerPointDispids.h"
#include "SlideLayouts.h"

#include <string>
#include <utility>

CSlidesObject::CSlidesObject(std::shared_ptr<ApplicationState> state) noexcept
    : CModelObject(std::move(state))
{}

// The newest slide's objects hold it: letting them go ends the cycle.
CSlidesObject::~CSlidesObject()
{
    if (m_newest != nullptr)
        m_newest->StopKeepingObjects();
}

std::span<const DispatchRow<CSlidesObject>> CSlidesObject::Members()
{
    using Row = DispatchRow<CSlidesObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::SlidesCount, InvokeKind::PropertyGet, Args(), &CSlidesObject::GetCount},
        {PowerPointDispid::SlidesAdd, InvokeKind::Method, Args(ArgType::I4, ArgType::I4),
         &CSlidesObject::Add},
    };
    return rows;
}

HRESULT CSlidesObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

std::vector<SlideData> CSlidesObject::ToSlideData() const
{
    std::vector<SlideData> slides;
    slides.reserve(m_slides.size());
    for (const CObjectRef<CSlideObject>& slide : m_slides)
        slides.push_back(slide->ToSlideData());
    return slides;
}

CVariant CSlidesObject::GetCount(const CArguments&)
{
    // The count travels as I4; no presentation comes near that many slides.
    return CVariant(static_cast<std::int32_t>(m_slides.size()));
}

// Index 1 puts the slide first, Count + 1 last.
CVariant CSlidesObject::Add(const CArguments& args)
{
    const std::int32_t index = args.I4(0);
    const std::int32_t layout = args.I4(1);
    if (index < 1 || static_cast<std::size_t>(index) > m_slides.size() + 1) {
        throw CServerError(ServerError::SlideIndexOutOfRange,
                           {std::to_string(index), std::to_string(m_slides.size() + 1)});
    }
    if (!IsSupportedLayout(layout))
        throw CServerError(ServerError::LayoutNotSupported, {std::to_string(layout)});
    if (m_slides.size() >= kMaxSlides)
        throw CServerError(ServerError::TooManySlides, {std::to_string(kMaxSlides)});
    CObjectRef<CSlideObject> slide = MakeObject<CSlideObject>(State(), layout);
    slide->KeepObjects();
    m_slides.insert(m_slides.begin() + (index - 1), slide);
    if (m_newest != nullptr)
        m_newest->StopKeepingObjects();
    m_newest = slide.Get();
    return std::move(slide).HandOver();
}
