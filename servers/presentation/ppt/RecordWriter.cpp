#include "RecordWriter.h"

#include <stdexcept>

void CRecordWriter::U8(std::uint8_t value)
{
    m_bytes.push_back(value);
}

void CRecordWriter::U16(std::uint16_t value)
{
    m_bytes.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void CRecordWriter::U32(std::uint32_t value)
{
    U16(static_cast<std::uint16_t>(value & 0xFFFFu));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void CRecordWriter::I16(std::int16_t value)
{
    U16(static_cast<std::uint16_t>(value));
}

void CRecordWriter::I32(std::int32_t value)
{
    U32(static_cast<std::uint32_t>(value));
}

void CRecordWriter::Bytes(const std::vector<std::uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void CRecordWriter::Zeros(std::size_t count)
{
    m_bytes.insert(m_bytes.end(), count, 0);
}

void CRecordWriter::Utf16(std::u16string_view text)
{
    for (char16_t unit : text)
        U16(static_cast<std::uint16_t>(unit));
}

void CRecordWriter::BeginRecord(RecordType type, std::uint8_t version, std::uint16_t instance)
{
    if (version > 0xF || instance > 0xFFF)
        throw std::logic_error("record version or instance out of range");
    m_openHeaders.push_back(m_bytes.size());
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
    const std::size_t length = m_bytes.size() - header - kRecordHeaderSize;
    PatchU32(header + kRecordLengthOffset, static_cast<std::uint32_t>(length));
}

void CRecordWriter::PatchU32(std::size_t offset, std::uint32_t value)
{
    if (offset + 4 > m_bytes.size())
        throw std::logic_error("patch beyond the written bytes");
    for (std::size_t i = 0; i < 4; ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
}

std::vector<std::uint8_t> CRecordWriter::Take()
{
    if (!m_openHeaders.empty())
        throw std::logic_error("records left open");
    return std::move(m_bytes);
}
