// SPDX-License-Identifier: MIT
#include "PackageNames.h"

#include <vector>

namespace PackageNames {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Targets are URIs: "%20" is a space in the part's name.
std::optional<std::string> Unescape(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            result += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0)
            return std::nullopt;
        result += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        i += 2;
    }
    return result;
}

bool Allowed(const std::string& name)
{
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\' || c == ':' || c == '?' || c == '#')
            return false;
    }
    return !name.empty();
}

} // namespace

std::optional<std::string> ResolveTarget(const std::string& source, const std::string& target)
{
    // A scheme, query or fragment is refused before unescaping can hide one.
    if (!Allowed(target))
        return std::nullopt;
    const std::optional<std::string> path = Unescape(target);
    if (!path || !Allowed(*path))
        return std::nullopt;
    std::vector<std::string> segments;
    std::string full = *path;
    if (full.front() != '/') {
        const std::size_t slash = source.rfind('/');
        full = (slash == std::string::npos ? "" : source.substr(0, slash + 1)) + full;
    } else {
        full.erase(0, 1);
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = full.find('/', start);
        const std::string segment = full.substr(start, slash - start);
        if (segment.empty())
            return std::nullopt;
        if (segment == "..") {
            if (segments.empty())
                return std::nullopt;
            segments.pop_back();
        } else if (segment != ".") {
            segments.push_back(segment);
        }
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    if (segments.empty())
        return std::nullopt;
    std::string name;
    for (const std::string& segment : segments)
        name += (name.empty() ? "" : "/") + segment;
    return name;
}

std::string Extension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find('/', dot) != std::string::npos)
        return "bin";
    std::string extension;
    for (std::size_t i = dot + 1; i < name.size(); ++i) {
        const char c = name[i];
        if (c >= 'A' && c <= 'Z')
            extension += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            extension += c;
        else
            return "bin";
    }
    return extension.empty() || extension.size() > 8 ? "bin" : extension;
}

} // namespace PackageNames
