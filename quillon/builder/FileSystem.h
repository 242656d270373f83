#pragma once

#include <string>

// What the finishing steps ask of the file system, behind a seam so tests can
// say which paths exist.
class IFileSystem
{
public:
    virtual ~IFileSystem() = default;

    // True when a file (not a folder) stands at the path.
    virtual bool FileExists(const std::string& path) const = 0;
    // True when a regular file can be opened for reading now; any failure
    // (no such file, a folder, no permission) counts as no. File systems that
    // know no permissions answer as FileExists does.
    virtual bool CanReadFile(const std::string& path) const { return FileExists(path); }
};

class CLocalFileSystem final : public IFileSystem
{
public:
    bool FileExists(const std::string& path) const override;
    bool CanReadFile(const std::string& path) const override;
};
