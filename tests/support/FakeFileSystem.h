// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <set>
#include <string>
#include <vector>

// A file system whose files the test names; it remembers what was asked.
class CFakeFileSystem final : public IFileSystem
{
public:
    void AddFile(std::string path) { m_files.insert(std::move(path)); }

    bool FileExists(const std::string& path) const override
    {
        m_asked.push_back(path);
        return m_files.count(path) != 0;
    }

    // A claim is an existence test that also takes the name when it is free.
    Claim ClaimName(const std::string& path) const override
    {
        if (FileExists(path))
            return Claim::Taken;
        m_files.insert(path);
        return Claim::Claimed;
    }
    void EndClaim(const std::string& path, bool saved) const override
    {
        if (!saved)
            m_files.erase(path);
        m_ended.push_back(path + (saved ? " saved" : " dropped"));
    }

    const std::vector<std::string>& Ended() const noexcept { return m_ended; }
    const std::vector<std::string>& Asked() const noexcept { return m_asked; }

private:
    mutable std::set<std::string> m_files;
    mutable std::vector<std::string> m_asked;
    mutable std::vector<std::string> m_ended;
};
