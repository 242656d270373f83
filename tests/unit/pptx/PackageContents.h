// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>

// Every part of a zip package by name, read back through minizip. Throws
// std::runtime_error when the archive cannot be read.
std::map<std::string, std::string> ReadPackage(const std::string& path);

// Checks a package the way the Open Packaging Conventions read one: every
// part has a content type, every listed part exists, every XML part parses
// and its root is in the namespace its type names, every internal
// relationship target exists. Reports through gtest.
void ExpectWellFormedPackage(const std::map<std::string, std::string>& parts);
