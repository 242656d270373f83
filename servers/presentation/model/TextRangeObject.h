// SPDX-License-Identifier: MIT
#pragma once

#include "ModelObject.h"
#include "ObjectRef.h"
#include "TextBody.h"
#include "TextSpan.h"

#include <memory>
#include <span>
#include <string>

// TextRange: a view on part of a text frame's text (see CTextSpan). Many
// ranges may look at one text; each is a new object.
class CTextRangeObject final : public CModelObject
{
public:
    CTextRangeObject(std::shared_ptr<ApplicationState> state, std::shared_ptr<CTextBody> body,
                     CTextSpan span) noexcept;

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

    std::shared_ptr<CTextBody> m_body;
    CTextSpan m_span;
};
