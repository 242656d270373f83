#include "FileSystem.h"

#include "NameClaim.h"

#include <sys/stat.h>

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
