// SPDX-License-Identifier: MIT
#include "NoteFile.h"

#include "FileDescriptor.h"
#include "NoteSize.h"
#include "NotesFault.h"
#include "Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

double ToAutomationDate(const struct timespec& moment)
{
    return AutomationDateFromUnixTime(static_cast<std::int64_t>(moment.tv_sec),
                                      static_cast<std::uint32_t>(moment.tv_nsec));
}

double ToAutomationDate(const struct statx_timestamp& moment)
{
    return AutomationDateFromUnixTime(moment.tv_sec, moment.tv_nsec);
}

} // namespace

double AutomationDateFromUnixTime(std::int64_t seconds, std::uint32_t nanoseconds)
{
    const auto moment = static_cast<std::time_t>(seconds);
    struct tm local = {};
    if (::localtime_r(&moment, &local) == nullptr)
        return 0.0;
    static const std::int64_t automationEpoch = DaysFromCivil(1899, 12, 30);
    const std::int64_t day =
        DaysFromCivil(std::int64_t{local.tm_year} + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) -
        automationEpoch;
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                               static_cast<double>(nanoseconds) / 1e9;
    const double fraction = secondOfDay / 86400.0;
    const auto whole = static_cast<double>(day);
    return day >= 0 ? whole + fraction : whole - fraction;
}

CNoteFile::CNoteFile(std::filesystem::path path) : m_path(std::move(path)) {}

bool CNoteFile::IsNoteFileName(const std::filesystem::path& name)
{
    const std::string text = name.string();
    if (text.empty() || text.front() == '.')
        return false;
    const std::string extension = LowerAscii(name.extension().string());
    return extension == ".txt" || extension == ".md";
}

std::vector<std::filesystem::path> CNoteFile::ListFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    std::vector<std::filesystem::path> notes;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        const std::filesystem::path& path = entries->path();
        if (IsNoteFileName(path.filename()) && entries->is_regular_file(typeError))
            notes.push_back(path);
    }
    if (error) {
        throw CNotesFault("The notes folder \"" + ToValidUtf8(folder.string()) +
                          "\" cannot be read: " + error.message() + ".");
    }
    std::sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) {
        return a.filename().string() < b.filename().string();
    });
    return notes;
}

std::string CNoteFile::Subject() const
{
    return ToValidUtf8(m_path.stem().string());
}

void CNoteFile::Fail(const std::string& reason) const
{
    throw CNotesFault("The note file \"" + ToValidUtf8(m_path.string()) + "\" " + reason + ".");
}

void CNoteFile::Fail(const std::string& what, int error) const
{
    Fail(what + ": " + std::generic_category().message(error));
}

void CNoteFile::FailTooLarge() const
{
    Fail("is larger than 64 MiB (" + std::to_string(kMaxNoteBytes) +
         " bytes), the most a note may hold");
}

std::string CNoteFile::ReadText() const
{
    // Not blocking: a pipe put in a note's place must not hang the program.
    const CFileDescriptor file(
        ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        Fail("cannot be read", errno);
    struct stat status = {};
    if (::fstat(file.Get(), &status) != 0)
        Fail("cannot be read", errno);
    if (S_ISDIR(status.st_mode))
        Fail("cannot be read", EISDIR);
    if (!S_ISREG(status.st_mode))
        Fail("is not a plain file");
    if (static_cast<std::uintmax_t>(std::max<off_t>(status.st_size, 0)) > kMaxNoteBytes)
        FailTooLarge();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)));
    char buffer[65536];
    for (;;) {
        // A file that grows while it is read is read no further than the limit.
        if (bytes.size() > kMaxNoteBytes)
            FailTooLarge();
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            Fail("cannot be read", errno);
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return ToValidUtf8(bytes);
}

CNoteFile::Times CNoteFile::ReadTimes() const
{
    struct statx status = {};
    const int result = ::statx(AT_FDCWD, m_path.c_str(), AT_STATX_SYNC_AS_STAT,
                               STATX_BTIME | STATX_MTIME | STATX_TYPE, &status);
    if (result != 0 && errno == ENOSYS) {
        // A kernel without statx knows no birth time either.
        struct stat plain = {};
        if (::stat(m_path.c_str(), &plain) != 0)
            Fail("cannot be found", errno);
        const double modification = ToAutomationDate(plain.st_mtim);
        return {modification, modification};
    }
    if (result != 0)
        Fail("cannot be found", errno);
    const double modification = ToAutomationDate(status.stx_mtime);
    const bool hasBirth = (status.stx_mask & STATX_BTIME) != 0;
    return {hasBirth ? ToAutomationDate(status.stx_btime) : modification, modification};
}
