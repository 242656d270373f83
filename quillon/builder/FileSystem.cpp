#include "FileSystem.h"

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
