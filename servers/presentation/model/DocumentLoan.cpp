// SPDX-License-Identifier: MIT
#include "DocumentLoan.h"

#include "SlidesObject.h"

#include <cstddef>
#include <utility>

// The texts are done when they are saved: the room they grew into and did
// not fill goes first, for the writer to use. That and the room for the slides are made
// before any slide lends; lending itself cannot fail, so no slide is ever
// left without its data.
CDocumentLoan::CDocumentLoan(CSlidesObject& slides, std::shared_ptr<const TemplateDesign> design,
                             std::shared_ptr<const PackageDesign> packageDesign)
    : m_slides(slides)
{
    m_document.design = std::move(design);
    m_document.packageDesign = std::move(packageDesign);
    for (std::size_t s = 0; s < slides.Count(); ++s)
        slides.Slide(s).ShrinkToFit();
    m_document.slides.reserve(slides.Count());
    for (std::size_t s = 0; s < slides.Count(); ++s)
        m_document.slides.push_back(slides.Slide(s).Lend());
}

CDocumentLoan::~CDocumentLoan()
{
    for (std::size_t s = 0; s < m_document.slides.size(); ++s)
        m_slides.Slide(s).Restore(std::move(m_document.slides[s]));
}
