// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>

class CRecordWriter;

// The end of a single-edit stream: the persist directory that maps persist
// ids to the stream offsets of their containers, and the user edit that
// points at it. Readers find everything else through these two.
class CPersistRecords
{
public:
    CPersistRecords(std::map<std::uint32_t, std::uint32_t> offsets, std::uint32_t firstSlideId);

    // Writes both atoms at the end of the stream so far; afterwards
    // UserEditOffset() tells where the user edit begins.
    void Write(CRecordWriter& writer);

    std::uint32_t UserEditOffset() const { return m_userEditOffset; }

private:
    void WriteDirectory(CRecordWriter& writer) const;

    std::map<std::uint32_t, std::uint32_t> m_offsets;
    std::uint32_t m_firstSlideId;
    std::uint32_t m_userEditOffset = 0;
};
