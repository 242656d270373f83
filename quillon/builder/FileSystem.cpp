// SPDX-License-Identifier: MIT
#include "FileSystem.h"

#include "NameClaim.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CLocalFileSystem::FileExists(const std::string& path) const
{
    // A file counts as present even when we may not read it: treating it as
    // absent would let a save replace a file its owner has locked away.
    // A folder is no file to save over or to read a template from.
    struct stat status
    {};
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

IFileSystem::Claim CLocalFileSystem::ClaimName(const std::string& path) const
{
    switch (NameClaim::Claim(path)) {
    case NameClaim::Result::Claimed:
        return Claim::Claimed;
    case NameClaim::Result::Taken:
        return Claim::Taken;
    case NameClaim::Result::NotClaimed:
        break;
    }
    return Claim::NotClaimed;
}

void CLocalFileSystem::EndClaim(const std::string& path, bool saved) const
{
    NameClaim::End(path, saved);
}

bool CLocalFileSystem::CanReadFile(const std::string& path) const
{
    // Without blocking, so a pipe that nobody writes cannot hang the build;
    // only a regular file is something to read a design from.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    struct stat status
    {};
    const bool isFile = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    ::close(descriptor);
    return isFile;
}
