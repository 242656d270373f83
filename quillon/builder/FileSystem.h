// SPDX-License-Identifier: MIT
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

    enum class Claim
    {
        Claimed,   // an empty file now holds the name for this save
        Taken,     // something stands at the name
        NotClaimed // the folder refused; the save will say why
    };
    // Takes a free name for a save that fills it next, in one step, so that a
    // save running at the same time cannot take the same name. A file system
    // that cannot claim only tests whether the name is taken.
    virtual Claim ClaimName(const std::string& path) const
    {
        return FileExists(path) ? Claim::Taken : Claim::NotClaimed;
    }
    // The save into a claimed name is over; when it failed the claim goes.
    virtual void EndClaim(const std::string& /*path*/, bool /*saved*/) const {}

    // True when a regular file can be opened for reading now; any failure
    // (no such file, a folder, no permission) counts as no. File systems that
    // know no permissions answer as FileExists does.
    virtual bool CanReadFile(const std::string& path) const { return FileExists(path); }
};

class CLocalFileSystem final : public IFileSystem
{
public:
    bool FileExists(const std::string& path) const override;
    Claim ClaimName(const std::string& path) const override;
    void EndClaim(const std::string& path, bool saved) const override;
    bool CanReadFile(const std::string& path) const override;
};
