// SPDX-License-Identifier: MIT
#pragma once

#include "Clock.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The file's first bytes, up to limit, or all of them.
inline Bytes ReadBytes(const std::string& path, std::uintmax_t limit = UINTMAX_MAX)
{
    std::ifstream in(path, std::ios::binary);
    Bytes bytes(std::min(std::filesystem::file_size(path), limit));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A file of zero bytes that takes no room on disk, however large.
inline std::string SparseFile(const std::string& path, std::uintmax_t size)
{
    WriteBytes(path, {});
    std::filesystem::resize_file(path, size);
    return path;
}

// Bytes that differ from their neighbours, so a misplaced record shows.
inline Bytes Pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

inline std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t offset, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | bytes.at(offset + i);
    return value;
}

class CFixedClock final : public IClock
{
public:
    explicit CFixedClock(std::int64_t unixSeconds) : m_unixSeconds(unixSeconds) {}
    std::int64_t UnixSeconds() const override { return m_unixSeconds; }

private:
    std::int64_t m_unixSeconds;
};
