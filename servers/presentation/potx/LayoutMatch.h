// SPDX-License-Identifier: MIT
#pragma once

#include "PackageDesign.h"

#include <array>
#include <pugixml.hpp>
#include <string>
#include <vector>

// Which of a master's layouts the presentation's three layouts use, and
// where on each their placeholders sit.
namespace LayoutMatch {

// A layout of the master as the reader found it.
struct Layout
{
    std::string part; // its name in the written package
    std::string type; // its type attribute; "cust" when absent, as the standard says
    const pugi::xml_document* xml = nullptr;
};

// How many of the three layouts the master has a layout of the right type for.
int Score(const std::vector<std::string>& layoutTypes);

// Fills design.layouts from the master's layouts (in the master's order,
// never empty) and its own placeholders, for positions a layout leaves to it.
void Match(const std::vector<Layout>& layouts, const pugi::xml_document& master,
           PackageDesign& design);

} // namespace LayoutMatch
