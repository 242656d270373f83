// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

struct ShapeAnchor;

// Placeholder shapes as masters, layouts and slides hold them.
struct PlaceholderRef
{
    const char* type = nullptr; // ph type; null: the default, a content placeholder
    int index = -1;             // ph idx; -1: none
    bool half = false;          // sz="half", one of two columns
};

// The shape tree of a master, layout or slide, with its group properties.
pugi::xml_node AddShapeTree(pugi::xml_node commonSlideData);

// A placeholder shape with an empty text body; anchor null inherits the
// position from the layout or master. Returns the txBody to fill.
pugi::xml_node AddPlaceholderShape(pugi::xml_node tree, int id, const std::string& name,
                                   const PlaceholderRef& placeholder, const ShapeAnchor* anchor);

// A paragraph of one run at a list level (0 top); returns its empty a:t.
pugi::xml_node AddRunParagraph(pugi::xml_node textBody, int level);

// A paragraph of text at a list level (0 top); empty text makes an empty paragraph.
void AddParagraph(pugi::xml_node textBody, std::string_view text, int level);
