// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// What is wrong with a package, in words for the user; the loader adds the path.
class CPackageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A zip archive in memory, read through minizip with bounds of our own: the
// entry count, and the bytes inflated in all, counted as they come, so an
// entry whose header understates its size stops at the bound instead of
// filling memory. Entries are found by name without regard to case, as
// package part names are compared.
class CZipReader
{
public:
    // Throws CPackageError.
    explicit CZipReader(const std::vector<std::uint8_t>& bytes);
    ~CZipReader();
    CZipReader(const CZipReader&) = delete;
    CZipReader& operator=(const CZipReader&) = delete;

    bool Has(const std::string& name) const;
    // The entry's bytes; nullopt when there is none. Throws CPackageError
    // when the entry is damaged, encrypted or over the bounds.
    std::optional<std::string> Read(const std::string& name);

    static constexpr std::size_t kMaxEntries = 10000;
    // Inflated bytes over all reads, as the .pot reader's bound on a file.
    static constexpr std::uint64_t kMaxInflated = 64u << 20;

private:
    // Where minizip finds an entry's central record again.
    struct EntryPlace
    {
        std::uint64_t directoryOffset = 0;
        std::uint64_t index = 0;
    };
    struct MemorySource;
    struct ArchiveClose
    {
        void operator()(void* archive) const;
    };

    void ListEntries();

    // The source outlives the archive that reads it.
    std::unique_ptr<MemorySource> m_source;
    std::unique_ptr<void, ArchiveClose> m_archive; // minizip's unzFile
    std::map<std::string, EntryPlace> m_entries;   // lower-case name to place
    std::uint64_t m_inflated = 0;
};
