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

    const std::vector<std::string>& Asked() const noexcept { return m_asked; }

private:
    std::set<std::string> m_files;
    mutable std::vector<std::string> m_asked;
};
