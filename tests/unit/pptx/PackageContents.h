// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>

// Every part of a zip package by name, read back through libzip. Throws
// std::runtime_error when the archive cannot be read.
std::map<std::string, std::string> ReadPackage(const std::string& path);
