#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

// A fresh folder for one test, removed with everything in it afterwards.
class CTempDir
{
public:
    CTempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillon-test-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        m_path = pattern;
    }
    ~CTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const noexcept { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    // Writes a file of the folder and gives its path.
    std::string Write(const std::string& name, const std::string& contents) const
    {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

private:
    std::filesystem::path m_path;
};
