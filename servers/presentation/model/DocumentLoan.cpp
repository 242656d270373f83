// SPDX-License-Identifier: MIT
#include "DocumentLoan.h"

#include "SlidesObject.h"

#include <cstddef>
#include <utility>

CDocumentLoan::CDocumentLoan(CSlidesObject& slides, std::shared_ptr<const TemplateDesign> design,
                             std::shared_ptr<const PackageDesign> packageDesign)
{
    m_document.design = std::move(design);
    m_document.packageDesign = std::move(packageDesign);
    try {
        Lend(slides);
    } catch (...) {
        RestoreAll();
        throw;
    }
}

CDocumentLoan::~CDocumentLoan()
{
    RestoreAll();
}

// Each body is recorded before it lends, and lending cannot fail, so a
// failure part way leaves every lent body on the list for RestoreAll.
void CDocumentLoan::Lend(CSlidesObject& slides)
{
    m_document.slides.reserve(slides.Count());
    for (std::size_t s = 0; s < slides.Count(); ++s) {
        CSlideObject& slide = slides.Slide(s);
        CShapesObject& shapes = slide.Shapes();
        SlideData& data = m_document.slides.emplace_back(SlideData{slide.Layout(), {}});
        data.placeholders.reserve(shapes.Count());
        for (std::size_t p = 0; p < shapes.Count(); ++p) {
            CShapeObject& shape = shapes.Shape(p);
            Placeholder& placeholder =
                data.placeholders.emplace_back(Placeholder{shape.Name(), shape.Kind(), {}});
            CTextBody& body = shape.TextFrame().Body();
            m_bodies.push_back(&body);
            placeholder.paragraphs = body.Lend();
        }
    }
}

void CDocumentLoan::RestoreAll() noexcept
{
    std::size_t next = 0;
    for (SlideData& slide : m_document.slides) {
        for (Placeholder& placeholder : slide.placeholders) {
            if (next == m_bodies.size())
                return;
            m_bodies[next++]->Restore(std::move(placeholder.paragraphs));
        }
    }
}
