// SPDX-License-Identifier: MIT
#pragma once

#include "DesignTemplateLoader.h"
#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationDocument.h"
#include "SlidesObject.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// Presentation: its slides, the design applied to it, and saving.
class CPresentationObject final : public CModelObject
{
public:
    CPresentationObject(std::shared_ptr<ApplicationState> state, bool withWindow);

    bool HasWindow() const noexcept { return m_withWindow; }
    const CSlidesObject& Slides() const noexcept { return *m_slides; }
    // The design of the last template applied; nullptr before any.
    const std::shared_ptr<const DesignTemplate>& Design() const noexcept { return m_design; }

    // What the file writers store.
    PresentationDocument ToDocument() const;

    // When the client lets go of its last reference while the application is
    // shown and running, the presentation is handed to the viewer.
    std::uint32_t Release() noexcept override;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CPresentationObject>> Members();

    CVariant GetSlides(const CArguments& args);
    CVariant ApplyTemplate(const CArguments& args);
    CVariant SaveAs(const CArguments& args);

    void Write(const std::string& fileName, int fileFormat);
    void HandOffToViewer() noexcept;
    std::string SaveViewingCopy();

    bool m_withWindow;
    CObjectRef<CSlidesObject> m_slides;
    std::shared_ptr<const DesignTemplate> m_design;
    std::string m_savedPath; // of the last save as a presentation
    bool m_handedOff = false;
};
