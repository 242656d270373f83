// SPDX-License-Identifier: MIT
#pragma once

#include "PackageDesign.h"

#include <string>

// The design every .pptx starts with, the same as the .ppt writer's own:
// one theme, one slide master and the three layouts new slides use.
namespace DesignParts {

// Slide layouts by the presentation's layout number: 1 title, 2 title and
// text, 3 title and two columns of text. Stored as slideLayout1..3.xml.
inline constexpr int kLayoutCount = 3;

std::string ThemeXml();
std::string MasterXml();
std::string MasterRelsXml();
std::string LayoutXml(int layout);
std::string LayoutRelsXml();

// The parts above as a design, with the placeholders slides of each layout
// name.
PackageDesign OwnDesign();

} // namespace DesignParts
