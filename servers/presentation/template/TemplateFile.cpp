// SPDX-License-Identifier: MIT
#include "TemplateFile.h"

#include "DesignTemplateLoader.h"
#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kTooLarge = "it is larger than any design template (over 64 MB)";

[[noreturn]] void Fail(const std::string& fileName, const std::string& reason)
{
    FailTemplate(fileName, reason);
}

std::string DescribeKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder";
    if (S_ISFIFO(mode))
        return "it is a pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    return "it is not a regular file";
}

} // namespace

void FailTemplate(const std::string& fileName, const std::string& reason)
{
    throw CTemplateError("Cannot apply the template \"" + fileName + "\": " + reason + ".");
}

// Opens without waiting, so that a pipe in the template's place is refused
// instead of waiting for a writer, and reads no byte past the bound, so a
// device or a growing file costs no more memory than a template may.
std::vector<std::uint8_t> ReadTemplateFile(const std::string& fileName)
{
    const CFileDescriptor file(
        ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0 && errno == ENOENT)
        Fail(fileName, "the file does not exist");
    if (file.Get() < 0)
        Fail(fileName, std::string("it cannot be opened: ") + std::strerror(errno));
    struct stat status
    {};
    if (::fstat(file.Get(), &status) != 0)
        Fail(fileName, std::string("it cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        Fail(fileName, DescribeKind(status.st_mode));
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxTemplateFileSize)
        Fail(fileName, kTooLarge);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t used = 0;
    // Up to one byte past the bound, to tell a file that grew from one at it.
    for (;;) {
        if (used == bytes.size()) {
            if (used > kMaxTemplateFileSize)
                Fail(fileName, kTooLarge);
            bytes.resize(std::min<std::size_t>(used * 2, kMaxTemplateFileSize + 1));
        }
        const ssize_t got = ::read(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(fileName, std::string("it cannot be read: ") + std::strerror(errno));
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}
