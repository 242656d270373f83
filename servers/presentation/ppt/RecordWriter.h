// SPDX-License-Identifier: MIT
#pragma once

#include "PptFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Builds a stream of records in memory. Primitives are little-endian, as the
// format wants them on every platform. A record's length is not known when its
// header goes out, so EndRecord goes back and fills it in; record code can then
// write children in a straight line without measuring them first.
class CRecordWriter
{
public:
    // Inline: the records are mostly these, millions of them in a large file.
    void U8(std::uint8_t value) { *Grow(1) = value; }
    void U16(std::uint16_t value) { PutLittleEndian(Grow(2), value, 2); }
    void U32(std::uint32_t value) { PutLittleEndian(Grow(4), value, 4); }
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Bytes(const std::vector<std::uint8_t>& bytes);
    void Zeros(std::size_t count);
    void Utf16(std::u16string_view text);
    // ASCII text stored as UTF-16.
    void Ascii(std::string_view text);

    // Opens a record; everything written until the matching EndRecord is its
    // payload. Records nest.
    void BeginRecord(RecordType type, std::uint8_t version = 0, std::uint16_t instance = 0);
    void BeginContainer(RecordType type, std::uint16_t instance = 0);
    void EndRecord();

    // Overwrites four bytes already written, for offsets known only later.
    void PatchU32(std::size_t offset, std::uint32_t value);

    // Room for size bytes in all. Room that is never written costs address
    // space only, so a generous guess is better than growing: growing copies
    // the bytes and holds the old and the new copy together for a moment.
    void Reserve(std::size_t size) { m_bytes.reserve(size); }

    std::size_t Size() const { return m_size; }
    // A copy of the bytes written so far.
    std::vector<std::uint8_t> Data() const;
    // Hands the bytes over; every record must have been closed.
    std::vector<std::uint8_t> Take();

private:
    // Stores value in size bytes at out, least significant first.
    static void PutLittleEndian(std::uint8_t* out, std::uint32_t value, std::size_t size) noexcept
    {
        for (std::size_t i = 0; i < size; ++i)
            out[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
    }

    // Room for count more bytes at the end; where they start. Most writes
    // are two or four bytes, so the common case stays inline and only moves
    // the end of what is written.
    std::uint8_t* Grow(std::size_t count)
    {
        if (m_bytes.size() - m_size < count)
            Extend(count);
        std::uint8_t* out = m_bytes.data() + m_size;
        m_size += count;
        return out;
    }
    void Extend(std::size_t count);

    // Zero-filled a step ahead of what is written (m_size): resizing the
    // vector for every two bytes cost more than the bytes themselves, and
    // filling all of the reserved room at once would touch pages the
    // stream may never need.
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_size = 0;
    std::vector<std::size_t> m_openHeaders;
};
