// SPDX-License-Identifier: MIT
#include "ViewingCopies.h"

#include "Utf8Text.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace ViewingCopies {

namespace {

constexpr std::string_view kFolderPrefix = "quillon-view-";
constexpr std::string_view kDefaultName = "Presentation";
constexpr std::string_view kExtension = ".ppt";
// Room for the extension within the usual limit of 255 bytes for a name.
constexpr std::size_t kMaxStemBytes = 200;

bool EndsWithExtension(std::string_view name)
{
    if (name.size() < kExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kExtension[i])
            return false;
    }
    return true;
}

} // namespace

std::string FileName(std::string_view wanted)
{
    std::string stem = ToValidUtf8(wanted);
    if (EndsWithExtension(stem))
        stem.resize(stem.size() - kExtension.size());
    for (char& c : stem) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7F)
            c = '_';
    }
    if (stem.size() > kMaxStemBytes)
        stem.resize(CharacterBoundaryAtOrBefore(stem, kMaxStemBytes));
    if (stem.find_first_not_of(". ") == std::string::npos)
        stem = kDefaultName;
    return stem + std::string(kExtension);
}

std::filesystem::path MakeFolder(const std::filesystem::path& parent)
{
    std::string folder = (parent / (std::string(kFolderPrefix) + "XXXXXX")).string();
    if (::mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("no temporary folder could be made for it.");
    return folder;
}

int RemoveStale(const std::filesystem::path& parent, std::chrono::seconds age)
{
    const auto now = std::filesystem::file_time_type::clock::now();
    int removed = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(parent, error)) {
        const std::string name = entry.path().filename().string();
        struct stat info
        {};
        // Only real folders of ours: never a link someone put in their place.
        if (!name.starts_with(kFolderPrefix) || ::lstat(entry.path().c_str(), &info) != 0 ||
            !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
            continue;
        std::error_code timeError;
        const auto changed = std::filesystem::last_write_time(entry.path(), timeError);
        if (timeError || now - changed < age)
            continue;
        std::error_code removeError;
        if (std::filesystem::remove_all(entry.path(), removeError) > 0 && !removeError)
            ++removed;
    }
    return removed;
}

} // namespace ViewingCopies
