// SPDX-License-Identifier: MIT
#include "TemplateFamily.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

// The first bytes of a regular file; opened without waiting, so a pipe in
// its place is not waited on.
bool ReadStart(const std::string& path, std::array<char, 4>& start)
{
    const CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status
    {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return ::read(file.Get(), start.data(), start.size()) == static_cast<ssize_t>(start.size());
}

} // namespace

PresentationFormat TemplateFormatOf(const std::string& templateFile)
{
    std::array<char, 4> start{};
    if (ReadStart(templateFile, start)) {
        if (start == std::array<char, 4>{'\xD0', '\xCF', '\x11', '\xE0'})
            return PresentationFormat::Ppt;
        if (start[0] == 'P' && start[1] == 'K')
            return PresentationFormat::Pptx;
    }
    for (const char* extension : {".potx", ".pptx", ".potm", ".pptm"}) {
        if (EndsWithIgnoringCase(templateFile, extension))
            return PresentationFormat::Pptx;
    }
    return PresentationFormat::Ppt;
}
