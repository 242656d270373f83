// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"
#include "PackageDesign.h"

#include <string>

// The design a .pptx is written with: one theme, one slide master and the
// three layouts new slides use, drawn from a design description as the .ppt
// writer draws its master, so both formats of one design look alike. The
// colours make the theme's colour scheme, the fonts its major (titles) and
// minor (body) fonts, and the title and body levels the master's text styles.
namespace DesignParts {

// Slide layouts by the presentation's layout number: 1 title, 2 title and
// text, 3 title and two columns of text. Stored as slideLayout1..3.xml.
inline constexpr int kLayoutCount = 3;

std::string ThemeXml(const DesignDescription& design);
std::string MasterXml(const DesignDescription& design);
std::string MasterRelsXml();
std::string LayoutXml(int layout);
std::string LayoutRelsXml();

// The parts above as a design, with the placeholders slides of each layout
// name.
PackageDesign OwnDesign(const DesignDescription& description = {});

} // namespace DesignParts
