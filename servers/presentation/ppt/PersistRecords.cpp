// SPDX-License-Identifier: MIT
#include "PersistRecords.h"

#include "PptFormat.h"
#include "RecordWriter.h"

#include <stdexcept>
#include <vector>

CPersistRecords::CPersistRecords(std::map<std::uint32_t, std::uint32_t> offsets,
                                 std::uint32_t firstSlideId)
    : m_offsets(std::move(offsets)), m_firstSlideId(firstSlideId)
{
    if (m_offsets.empty() || m_offsets.begin()->first == 0 ||
        m_offsets.rbegin()->first >= (1u << kPersistIdBits) - 1)
        throw std::invalid_argument("persist ids out of range");
}

void CPersistRecords::Write(CRecordWriter& writer)
{
    const auto directoryOffset = static_cast<std::uint32_t>(writer.Size());
    WriteDirectory(writer);

    m_userEditOffset = static_cast<std::uint32_t>(writer.Size());
    writer.BeginRecord(RecordType::UserEditAtom);
    writer.U32(m_firstSlideId);
    writer.U16(0); // build number
    writer.U8(kFileMinorVersion);
    writer.U8(kFileMajorVersion);
    writer.U32(0); // no earlier edit
    writer.U32(directoryOffset);
    writer.U32(kDocumentPersistId);
    writer.U32(m_offsets.rbegin()->first); // seed: the highest id in use
    writer.U16(kLastViewSlide);
    writer.U16(0);
    writer.EndRecord();
}

// Consecutive ids share one entry (up to its 12-bit count); a gap or a full
// entry starts the next.
void CPersistRecords::WriteDirectory(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::PersistDirectoryAtom);
    auto it = m_offsets.begin();
    while (it != m_offsets.end()) {
        const std::uint32_t first = it->first;
        std::vector<std::uint32_t> run;
        while (it != m_offsets.end() && it->first == first + run.size() &&
               run.size() < kMaxPersistRun) {
            run.push_back(it->second);
            ++it;
        }
        writer.U32(first | (static_cast<std::uint32_t>(run.size()) << kPersistIdBits));
        for (std::uint32_t offset : run)
            writer.U32(offset);
    }
    writer.EndRecord();
}
