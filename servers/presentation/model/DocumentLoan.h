// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <memory>

class CSlidesObject;

// The document a save writes, made of the model's own slide data: it is
// moved out of the slides for as long as the loan lives and moved back when
// it ends, so that a save never holds a second copy of every text, nor of
// any slide's list of placeholders. Nothing may read or change the model
// while the loan lives.
class CDocumentLoan
{
public:
    CDocumentLoan(CSlidesObject& slides, std::shared_ptr<const TemplateDesign> design,
                  std::shared_ptr<const PackageDesign> packageDesign = nullptr);
    ~CDocumentLoan();
    CDocumentLoan(const CDocumentLoan&) = delete;
    CDocumentLoan& operator=(const CDocumentLoan&) = delete;

    const PresentationDocument& Document() const noexcept { return m_document; }

private:
    CSlidesObject& m_slides;
    PresentationDocument m_document;
};
