// SPDX-License-Identifier: MIT
#include "RecordReader.h"

#include "ContainerTypes.h"
#include "PptFormat.h"

#include <stdexcept>
#include <string>

namespace {

// Deeper than any real file nests; stops hostile input from exhausting the stack.
constexpr int kMaxDepth = 64;

} // namespace

bool RecordNode::IsContainer() const
{
    return version == kContainerVersion && IsContainerType(type);
}

std::size_t RecordNode::PayloadOffset() const
{
    return offset + kRecordHeaderSize;
}

std::size_t RecordNode::End() const
{
    return PayloadOffset() + length;
}

const RecordNode* RecordNode::Child(std::uint16_t childType) const
{
    for (const RecordNode& child : children) {
        if (child.type == childType)
            return &child;
    }
    return nullptr;
}

CRecordReader::CRecordReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

void CRecordReader::Check(std::size_t offset, std::size_t size) const
{
    if (offset > m_bytes.size() || size > m_bytes.size() - offset)
        throw std::runtime_error("read beyond the stream at offset " + std::to_string(offset));
}

std::uint8_t CRecordReader::U8(std::size_t offset) const
{
    Check(offset, 1);
    return m_bytes[offset];
}

std::uint16_t CRecordReader::U16(std::size_t offset) const
{
    Check(offset, 2);
    return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
}

std::uint32_t CRecordReader::U32(std::size_t offset) const
{
    return U16(offset) | (static_cast<std::uint32_t>(U16(offset + 2)) << 16);
}

std::vector<RecordNode> CRecordReader::ReadAll() const
{
    return Read(0, m_bytes.size());
}

std::vector<RecordNode> CRecordReader::Read(std::size_t begin, std::size_t end) const
{
    std::vector<RecordNode> nodes;
    std::size_t offset = begin;
    while (offset < end) {
        nodes.push_back(ReadNode(offset, end, 0));
        offset = nodes.back().End();
    }
    return nodes;
}

RecordNode CRecordReader::ReadAt(std::size_t offset) const
{
    return ReadNode(offset, m_bytes.size(), 0);
}

RecordNode CRecordReader::ReadNode(std::size_t offset, std::size_t limit, int depth) const
{
    if (depth > kMaxDepth)
        throw std::runtime_error("records nested too deeply at offset " + std::to_string(offset));
    if (offset + kRecordHeaderSize > limit)
        throw std::runtime_error("truncated record header at offset " + std::to_string(offset));
    RecordNode node;
    const std::uint16_t versionInstance = U16(offset);
    node.version = static_cast<std::uint8_t>(versionInstance & 0xF);
    node.instance = static_cast<std::uint16_t>(versionInstance >> 4);
    node.type = U16(offset + 2);
    node.length = U32(offset + kRecordLengthOffset);
    node.offset = offset;
    if (node.length > limit - node.PayloadOffset())
        throw std::runtime_error("record at offset " + std::to_string(offset) +
                                 " reaches beyond its container");
    if (node.IsContainer()) {
        std::size_t child = node.PayloadOffset();
        while (child < node.End()) {
            node.children.push_back(ReadNode(child, node.End(), depth + 1));
            child = node.children.back().End();
        }
    }
    return node;
}
