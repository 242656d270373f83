// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One record of a stream, with its children when it is a container.
struct RecordNode
{
    std::uint16_t type = 0;
    std::uint8_t version = 0;
    std::uint16_t instance = 0;
    std::size_t offset = 0; // of the header within the stream
    std::uint32_t length = 0;
    std::vector<RecordNode> children;

    // A container type written as one (version 0xF); see ContainerTypes.h.
    bool IsContainer() const;
    std::size_t PayloadOffset() const;
    std::size_t End() const;
    // The first direct child of that type, or null.
    const RecordNode* Child(std::uint16_t childType) const;
};

// Parses records from a byte stream. A record may not reach beyond the one
// that holds it (or the stream): that throws std::runtime_error naming the
// offset, rather than reading another record's bytes.
class CRecordReader
{
public:
    explicit CRecordReader(const std::vector<std::uint8_t>& bytes);

    // Every record between begin and end, containers opened recursively.
    std::vector<RecordNode> ReadAll() const;
    std::vector<RecordNode> Read(std::size_t begin, std::size_t end) const;
    // The single record (with its tree) that starts at offset.
    RecordNode ReadAt(std::size_t offset) const;

    std::uint8_t U8(std::size_t offset) const;
    std::uint16_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    RecordNode ReadNode(std::size_t offset, std::size_t limit, int depth) const;
    void Check(std::size_t offset, std::size_t size) const;

    const std::vector<std::uint8_t>& m_bytes;
};
