// SPDX-License-Identifier: MIT
#include "Presentation.h"

#include "PowerPointDispids.h"

namespace PowerPoint {

Slides Presentation::GetSlides() const
{
    return Slides(GetObject(PowerPointDispid::PresentationSlides, InvokeKind::PropertyGet));
}

void Presentation::ApplyTemplate(const std::string& fileName) const
{
    CallMethod(PowerPointDispid::PresentationApplyTemplate, {fileName});
}

void Presentation::SaveAs(const std::string& fileName, std::int32_t fileFormat,
                          std::int32_t embedTrueTypeFonts) const
{
    CallMethod(PowerPointDispid::PresentationSaveAs, {fileName, fileFormat, embedTrueTypeFonts});
}

} // namespace PowerPoint
