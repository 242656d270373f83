// SPDX-License-Identifier: MIT
#include "MasterCopy.h"

#include "PptFormat.h"

namespace {

constexpr std::uint16_t kExObjRefAtom = 0x0BC1;
constexpr std::uint16_t kInteractiveInfo = 0x0FF2;
constexpr std::uint16_t kTxInteractiveInfoAtom = 0x0FDF;

bool RefersOutside(const RecordNode& node)
{
    return node.type == kExObjRefAtom || node.type == kInteractiveInfo ||
           node.type == kTxInteractiveInfoAtom;
}

void Append(const CRecordReader& reader, const RecordNode& node, std::vector<std::uint8_t>& out)
{
    const auto& bytes = reader.Bytes();
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(node.offset);
    if (!node.IsContainer()) {
        out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(node.End() - node.offset));
        return;
    }
    const std::size_t header = out.size();
    out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(kRecordHeaderSize));
    for (const RecordNode& child : node.children) {
        if (!RefersOutside(child))
            Append(reader, child, out);
    }
    const auto length = static_cast<std::uint32_t>(out.size() - header - kRecordHeaderSize);
    for (std::size_t i = 0; i < 4; ++i)
        out[header + kRecordLengthOffset + i] = static_cast<std::uint8_t>(length >> (8 * i));
}

} // namespace

std::vector<std::uint8_t> CopyMaster(const CRecordReader& reader, const RecordNode& master)
{
    std::vector<std::uint8_t> out;
    out.reserve(master.End() - master.offset);
    Append(reader, master, out);
    return out;
}
