// SPDX-License-Identifier: MIT
#include "ZipReader.h"

#include <algorithm>
#include <memory>
#include <zip.h>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

[[noreturn]] void Fail(const std::string& reason)
{
    throw CPackageError(reason);
}

} // namespace

CZipReader::CZipReader(const std::vector<std::uint8_t>& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    // The source only borrows the bytes, which outlive the reader.
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr)
        Fail("it cannot be read as a zip archive");
    m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (m_archive == nullptr) {
        zip_source_free(source);
        Fail(code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS
                 ? "it is not a complete zip archive (truncated or damaged)"
                 : "it cannot be read as a zip archive");
    }
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > kMaxEntries) {
        zip_discard(m_archive);
        Fail("it holds more than " + std::to_string(kMaxEntries) + " entries");
    }
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        const char* stored = zip_get_name(m_archive, i, ZIP_FL_ENC_GUESS);
        if (stored == nullptr)
            continue;
        // libzip owns the name only as long as the archive is open.
        const std::string name = stored;
        if (!m_entries.emplace(Lower(name), i).second) {
            zip_discard(m_archive);
            Fail("it holds the part \"" + name + "\" twice");
        }
    }
}

CZipReader::~CZipReader()
{
    zip_discard(m_archive);
}

bool CZipReader::Has(const std::string& name) const
{
    return m_entries.count(Lower(name)) != 0;
}

std::optional<std::string> CZipReader::Read(const std::string& name)
{
    const auto found = m_entries.find(Lower(name));
    if (found == m_entries.end())
        return std::nullopt;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, found->second, 0, &stat) != 0)
        Fail("the part \"" + name + "\" is damaged");
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        Fail("the part \"" + name + "\" is encrypted; save the template without a password");
    const std::uint64_t room = kMaxInflated - m_inflated;
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > room)
        Fail("its parts are larger than a design template may be (over 64 MB unpacked)");
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(m_archive, found->second, 0), &zip_fclose);
    if (!file)
        Fail("the part \"" + name + "\" cannot be unpacked");
    // One byte more than the header says, to tell an entry that lies about its size.
    std::string bytes(static_cast<std::size_t>(stat.size) + 1, '\0');
    std::size_t used = 0;
    while (used < bytes.size()) {
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + used, bytes.size() - used);
        if (got < 0)
            Fail("the part \"" + name + "\" is damaged (" + zip_file_strerror(file.get()) + ")");
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    if (used != stat.size)
        Fail("the part \"" + name + "\" is not as long as the archive says");
    bytes.resize(used);
    m_inflated += used;
    return bytes;
}
