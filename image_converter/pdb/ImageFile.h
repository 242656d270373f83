// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// The whole content of an image file, read in one piece. The bytes are never
// examined: whatever the file holds is stored as it is.
class CImageFile
{
public:
    // Reads the file. False, with one line of error text in error, when it
    // cannot be opened ("Cannot read <path>"), is not a regular file, is
    // larger than a database can hold, cannot be given memory, or cannot be
    // read to its end.
    bool Load(const std::string& path, std::string& error);

    std::span<const std::uint8_t> Bytes() const { return {m_bytes.get(), m_size}; }

private:
    struct CUnmapper
    {
        std::size_t size;
        void operator()(std::uint8_t* bytes) const noexcept;
    };
    using MappedBytes = std::unique_ptr<std::uint8_t, CUnmapper>;

    static MappedBytes AllocateImageMemory(std::size_t size);

    MappedBytes m_bytes{nullptr, CUnmapper{0}};
    std::size_t m_size = 0;
};
