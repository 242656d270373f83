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
};

class CLocalFileSystem final : public IFileSystem
{
public:
    bool FileExists(const std::string& path) const override;
};
