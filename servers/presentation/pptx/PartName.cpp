// SPDX-License-Identifier: MIT
#include "PartName.h"

namespace PartName {

std::string RelativeTarget(const std::string& from, const std::string& to)
{
    // The longest run of whole folders both names start with.
    std::size_t common = 0;
    for (std::size_t i = 0; i < from.size() && i < to.size() && from[i] == to[i]; ++i) {
        if (from[i] == '/')
            common = i + 1;
    }
    std::string target;
    for (std::size_t i = common; i < from.size(); ++i) {
        if (from[i] == '/')
            target += "../";
    }
    return target + to.substr(common);
}

std::string RelationshipsOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    const std::size_t file = slash == std::string::npos ? 0 : slash + 1;
    return part.substr(0, file) + "_rels/" + part.substr(file) + ".rels";
}

} // namespace PartName
