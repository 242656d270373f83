// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <memory>
#include <vector>

class CSlidesObject;
class CTextBody;

// The document a save writes, made of the model's own paragraphs: they are
// moved out of the text bodies for as long as the loan lives and moved back
// when it ends, so that a save never holds a second copy of every text.
// Nothing may read or change the model while the loan lives.
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
    void Lend(CSlidesObject& slides);
    void RestoreAll() noexcept;

    PresentationDocument m_document;
    // The lenders, in the order of the document's placeholders.
    std::vector<CTextBody*> m_bodies;
};
