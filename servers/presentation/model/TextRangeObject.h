// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "SlideObject.h"
#include "TextBody.h"
#include "TextSpan.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>

// TextRange: a view on part of a text frame's text (see CTextSpan). Many
// ranges may look at one text; each is a new object.
class CTextRangeObject final : public CModelObject
{
public:
    // placeholder: the index on slide of the placeholder whose text the range is on.
    CTextRangeObject(std::shared_ptr<ApplicationState> state, CObjectRef<CSlideObject> slide,
                     std::size_t placeholder, CTextSpan span) noexcept;

    // The text the range covers now, paragraphs separated by "\r".
    std::string Text() const;

private:
    HRESULT Answer(const InvokeCall& call) override;
    static std::span<const DispatchRow<CTextRangeObject>> Members();

    CVariant PutText(const CArguments& args);
    CVariant InsertAfter(const CArguments& args);
    CVariant Paragraphs(const CArguments& args);
    CVariant PutIndentLevel(const CArguments& args);

    CVariant NewRange(const CTextSpan& span) const;
    CTextBody Body() const { return m_slide->Body(m_placeholder); }

    // Holds the text, which may outlive its frame in a client's hands.
    CObjectRef<CSlideObject> m_slide;
    std::size_t m_placeholder;
    CTextSpan m_span;
};
