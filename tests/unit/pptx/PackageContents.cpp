// SPDX-License-Identifier: MIT
#include "PackageContents.h"

#include <memory>
#include <stdexcept>
#include <zip.h>

std::map<std::string, std::string> ReadPackage(const std::string& path)
{
    int error = 0;
    const std::unique_ptr<zip_t, decltype(&zip_discard)> archive(
        zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error), &zip_discard);
    if (!archive)
        throw std::runtime_error("not a zip archive: " + path);
    std::map<std::string, std::string> parts;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), i, 0, &stat) != 0)
            throw std::runtime_error("unreadable entry in " + path);
        const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
            zip_fopen_index(archive.get(), i, 0), &zip_fclose);
        std::string bytes(static_cast<std::size_t>(stat.size), '\0');
        if (!file ||
            zip_fread(file.get(), bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            throw std::runtime_error(std::string("cannot read ") + stat.name);
        parts[stat.name] = std::move(bytes);
    }
    return parts;
}
