// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test is done.
class CTempFolder
{
public:
    CTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillon-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("Cannot make a temporary folder.");
        m_path = pattern;
    }
    ~CTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return m_path; }
    // The path of a file of the folder, as text.
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    // Writes the bytes to a file of the folder and gives its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const
    {
        const std::filesystem::path path = m_path / name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file)
            throw std::runtime_error("Cannot write " + path.string());
        return path;
    }

    // Every name in the folder, hidden ones included.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path;
};
