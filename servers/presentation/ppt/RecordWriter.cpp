// SPDX-License-Identifier: MIT
#include "RecordWriter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// How far ahead of the written bytes the buffer is zero-filled at a time.
constexpr std::size_t kFillStep = 64 * 1024;

} // namespace

void CRecordWriter::Extend(std::size_t count)
{
    const std::size_t needed = m_size + count;
    if (m_bytes.capacity() < needed)
        m_bytes.reserve(std::max(2 * m_bytes.capacity(), needed));
    m_bytes.resize(std::min(m_bytes.capacity(), std::max(needed, m_size + kFillStep)));
}

void CRecordWriter::Bytes(const std::vector<std::uint8_t>& bytes)
{
    if (!bytes.empty())
        std::memcpy(Grow(bytes.size()), bytes.data(), bytes.size());
}

void CRecordWriter::Zeros(std::size_t count)
{
    std::fill_n(Grow(count), count, std::uint8_t{0});
}

void CRecordWriter::Utf16(std::u16string_view text)
{
    std::uint8_t* out = Grow(2 * text.size());
    for (char16_t unit : text) {
        PutLittleEndian(out, unit, 2);
        out += 2;
    }
}

void CRecordWriter::Ascii(std::string_view text)
{
    std::uint8_t* out = Grow(2 * text.size());
    for (char c : text) {
        *out++ = static_cast<std::uint8_t>(c);
        *out++ = 0;
    }
}

void CRecordWriter::BeginRecord(RecordType type, std::uint8_t version, std::uint16_t instance)
{
    if (version > 0xF || instance > 0xFFF)
        throw std::logic_error("record version or instance out of range");
    m_openHeaders.push_back(m_size);
    U16(static_cast<std::uint16_t>(version | (instance << 4)));
    U16(static_cast<std::uint16_t>(type));
    U32(0); // length, filled in by EndRecord
}

void CRecordWriter::BeginContainer(RecordType type, std::uint16_t instance)
{
    BeginRecord(type, kContainerVersion, instance);
}

void CRecordWriter::EndRecord()
{
    if (m_openHeaders.empty())
        throw std::logic_error("EndRecord without an open record");
    const std::size_t header = m_openHeaders.back();
    m_openHeaders.pop_back();
    const std::size_t length = m_size - header - kRecordHeaderSize;
    PatchU32(header + kRecordLengthOffset, static_cast<std::uint32_t>(length));
}

void CRecordWriter::PatchU32(std::size_t offset, std::uint32_t value)
{
    if (offset + 4 > m_size)
        throw std::logic_error("patch beyond the written bytes");
    PutLittleEndian(m_bytes.data() + offset, value, 4);
}

std::vector<std::uint8_t> CRecordWriter::Data() const
{
    return {m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(m_size)};
}

std::vector<std::uint8_t> CRecordWriter::Take()
{
    if (!m_openHeaders.empty())
        throw std::logic_error("records left open");
    m_bytes.resize(m_size); // shrinking keeps the buffer
    m_size = 0;
    return std::move(m_bytes);
}
