// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Part names of a package being read, as the Open Packaging Conventions
// resolve them. Names come back without a leading slash.
namespace PackageNames {

// The part an internal relationship of source names by target, or nullopt
// when target cannot name a part of this package: a URI with a scheme, a
// query or fragment, a backslash or control character, an empty segment, or
// a path that climbs out of the package.
std::optional<std::string> ResolveTarget(const std::string& source, const std::string& target);

// The extension of a part name, lower case, letters and digits only; "bin"
// when there is none of that kind.
std::string Extension(const std::string& name);

} // namespace PackageNames
