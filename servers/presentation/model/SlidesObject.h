// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationDocument.h"
#include "SlideObject.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Slides: the slides of one presentation, in order.
class CSlidesObject final : public CModelObject
{
public:
    explicit CSlidesObject(std::shared_ptr<ApplicationState> state) noexcept;
    ~CSlidesObject() override;

    // What memory allows, not what a format holds: a slide takes up to half
    // a kilobyte here and as much again in a save, and a note of 64 MB can
    // name millions of slides, so a runaway note is stopped at about 20 MB of
    // slides. A .pptx holds them all; a .ppt holds 4,000, and its writer
    // refuses more.
    static constexpr std::size_t kMaxSlides = 30000;

    std::size_t Count() const noexcept { return m_slides.size(); }
    // index from 0.
    const CSlideObject& Slide(std::size_t index) const { return *m_slides.at(index); }
    CSlideObject& Slide(std::size_t index) { return *m_slides.at(index); }

    std::vector<SlideData> ToSlideData() const;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CSlidesObject>> Members();

    CVariant GetCount(const CArguments& args);
    CVariant Add(const CArguments& args);

    std::vector<CObjectRef<CSlideObject>> m_slides;
    // The slide added last, which keeps the objects made for it (see
    // CSlideObject::KeepObjects); one of m_slides, or null.
    CSlideObject* m_newest = nullptr;
};
