// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One note of the notes folder: a .txt or .md file, read afresh at every
// request so that a note edited while the program runs gives its new text.
// Names and text leave here as UTF-8, the form of automation strings; bytes
// that are not UTF-8 are read as ToValidUtf8 says.
class CNoteFile
{
public:
    struct Times
    {
        double creation;     // automation date, local time
        double modification; // automation date, local time
    };

    explicit CNoteFile(std::filesystem::path path);

    // The notes of the folder, sorted by file name so that positions stay put
    // between two listings of an unchanged folder. Hidden files, folders and
    // files of other extensions are not notes. Throws CNotesFault when the
    // folder cannot be read.
    static std::vector<std::filesystem::path> ListFolder(const std::filesystem::path& folder);
    static bool IsNoteFileName(const std::filesystem::path& name);

    // The file name without its extension.
    std::string Subject() const;
    // The whole text. Throws CNotesFault naming the file when it is gone,
    // cannot be read or holds more than kMaxNoteBytes.
    std::string ReadText() const;
    // Creation is the birth time where the file system keeps one, else the
    // modification time. Throws CNotesFault naming the file when it is gone.
    Times ReadTimes() const;

    const std::filesystem::path& Path() const noexcept { return m_path; }

private:
    [[noreturn]] void Fail(const std::string& reason) const;
    [[noreturn]] void Fail(const std::string& what, int error) const;
    [[noreturn]] void FailTooLarge() const;

    std::filesystem::path m_path;
};

// A moment of the system clock as an automation date in local time: days
// since 1899-12-30, the time of day as the fraction. Before that day the
// fraction counts away from zero, as automation dates do.
double AutomationDateFromUnixTime(std::int64_t seconds, std::uint32_t nanoseconds);
