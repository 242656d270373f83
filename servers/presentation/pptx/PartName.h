// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Part names as a package stores them: "ppt/slides/slide1.xml", no leading
// slash, segments joined by '/'.
namespace PartName {

// The target a relationship of part from names part to by: relative to
// from's folder, "../" for each folder of from's that to is not in.
std::string RelativeTarget(const std::string& from, const std::string& to);

// "ppt/slides/_rels/slide1.xml.rels" for "ppt/slides/slide1.xml".
std::string RelationshipsOf(const std::string& part);

} // namespace PartName
