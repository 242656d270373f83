// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>

// Every part of a zip package by name, read back through libzip. Throws
// std::runtime_error when the archive cannot be read.
std::map<std::string, std::string> ReadPackage(const std::string& path);

// Walks a package the way the Open Packaging Conventions read one: every part
// has a content type, every listed part exists, every XML part parses and its
// root element is in the namespace the standard gives its content type, and
// every relationship's target exists. Failures are reported through gtest.
void ExpectWellFormedPackage(const std::map<std::string, std::string>& parts);
