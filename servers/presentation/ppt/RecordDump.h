// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"

#include <cstdint>
#include <string>
#include <vector>

// A text picture of a record tree, one record per line, indented by depth:
// name, type, instance, version, length; text atoms with their text, small
// atoms with their bytes in hex. With masking on, the offsets and the atoms
// that hold offsets are left out, so a dump changes only where the records
// do; golden tests compare those.
class CRecordDump
{
public:
    explicit CRecordDump(const std::vector<std::uint8_t>& stream, bool maskOffsets = false);

    std::string Text() const;

    static const char* RecordName(std::uint16_t type);

private:
    void DumpNode(std::string& out, const RecordNode& node, int depth) const;
    std::string Payload(const RecordNode& node) const;

    const std::vector<std::uint8_t>& m_stream;
    CRecordReader m_reader;
    bool m_maskOffsets;
};
