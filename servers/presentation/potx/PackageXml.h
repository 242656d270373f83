// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

// XML parts of a package being read, checked before anything of them is used
// or copied.
namespace PackageXml {

// Parses a part. Throws CPackageError when it is not well-formed, declares a
// document type (the packaging conventions forbid one, and with it go
// entity definitions, which pugixml would not expand but other readers
// might) or nests deeper than kMaxDepth, which readers that walk the tree
// recursively would not survive.
void Parse(pugi::xml_document& document, const std::string& bytes, const std::string& part);

inline constexpr int kMaxDepth = 256;

// The element's name without its prefix.
std::string_view LocalName(const pugi::xml_node& node);
// The first child element with that local name.
pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName);
// An attribute by local name ("r:id" is found as "id" only when prefixed;
// unprefixed names match themselves).
pugi::xml_attribute PrefixedAttribute(const pugi::xml_node& node, std::string_view localName);

struct Relationship
{
    std::string id;
    std::string type;
    std::string target;
    bool external = false;
};

// The relationships of a relationships part. Throws CPackageError.
std::vector<Relationship> Relationships(const std::string& bytes, const std::string& part);

} // namespace PackageXml
