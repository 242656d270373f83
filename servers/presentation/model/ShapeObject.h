// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "PresentationDocument.h"
#include "TextFrameObject.h"

#include <memory>
#include <span>
#include <string>

// Shape: one placeholder of a slide, with its name and its text frame.
class CShapeObject final : public CModelObject
{
public:
    CShapeObject(std::shared_ptr<ApplicationState> state, std::string name, PlaceholderKind kind);

    const std::string& Name() const noexcept { return m_name; }
    PlaceholderKind Kind() const noexcept { return m_kind; }
    const CTextFrameObject& TextFrame() const noexcept { return *m_textFrame; }
    CTextFrameObject& TextFrame() noexcept { return *m_textFrame; }

    Placeholder ToPlaceholder() const;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CShapeObject>> Members();

    CVariant GetTextFrame(const CArguments& args);

    std::string m_name;
    PlaceholderKind m_kind;
    CObjectRef<CTextFrameObject> m_textFrame;
};
