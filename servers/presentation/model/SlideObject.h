// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationDocument.h"
#include "SlideLayouts.h"
#include "TextBody.h"

#include <array>
#include <cstddef>
#include <memory>
#include <span>

class CShapesObject;
class CShapeObject;
class CTextFrameObject;

// Slide: one slide of a presentation, with the placeholders of its layout.
// The slide keeps its placeholders as the plain data a save writes; its
// shapes collection, shapes and text frames are made when a client asks for
// them and live as long as the client holds them. While one lives, asking
// again gives that same object.
class CSlideObject final : public CModelObject
{
public:
    // layout must be one that IsSupportedLayout accepts.
    CSlideObject(std::shared_ptr<ApplicationState> state, int layout);

    int Layout() const noexcept { return m_data.layout; }
    std::size_t PlaceholderCount() const noexcept { return m_data.placeholders.size(); }
    // index from 0.
    const Placeholder& PlaceholderAt(std::size_t index) const
    {
        return m_data.placeholders.at(index);
    }
    CTextBody Body(std::size_t index)
    {
        return CTextBody(m_data.placeholders.at(index).paragraphs);
    }

    // The placeholder's shape and text frame, index from 0.
    CObjectRef<CShapeObject> Shape(std::size_t index);
    CObjectRef<CTextFrameObject> TextFrame(std::size_t index);
    // While a slide is the one being filled, the objects made for it stay
    // made when clients let them go: a client that fills slides in order
    // asks for them again for every bullet. Stopping lets them go; the
    // caller must hold the slide, which they may hold last.
    void KeepObjects();
    void StopKeepingObjects() noexcept;
    // Called by the shapes collection, shapes and text frames as they go.
    void Forget(const CShapesObject* shapes) noexcept;
    void Forget(const CShapeObject* shape) noexcept;
    void Forget(const CTextFrameObject* frame) noexcept;

    SlideData ToSlideData() const { return m_data; }
    // Gives back the room that small texts grew into and did not fill.
    void ShrinkToFit();
    // Hands the slide's data out whole, so that a save reads the text where
    // it is; the slide holds nothing until Restore gives it back.
    SlideData Lend() noexcept;
    void Restore(SlideData&& data) noexcept { m_data = std::move(data); }

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CSlideObject>> Members();

    CVariant GetShapes(const CArguments& args);

    // The objects that clients hold now; not references, so that they go
    // when the clients let them go.
    struct HeldObjects
    {
        CShapesObject* shapes = nullptr;
        std::array<CShapeObject*, kMaxLayoutPlaceholders> shapeObjects{};
        std::array<CTextFrameObject*, kMaxLayoutPlaceholders> frames{};
        // While the slide keeps its objects: a reference to each.
        bool keep = false;
        std::array<CObjectRef<CModelObject>, 1 + 2 * kMaxLayoutPlaceholders> kept;
        std::size_t keptCount = 0;
    };

    HeldObjects& Held();
    template <class TObject, class... TArgs>
    CObjectRef<TObject> HeldOrNew(TObject*& cache, TArgs... args);
    void ForgetIfNoneHeld() noexcept;

    SlideData m_data;
    // Only while a client holds one of them or the slide keeps them: a
    // builder lets them go once it has filled a slide, so only the slide it
    // is filling has any.
    std::unique_ptr<HeldObjects> m_held;
};
