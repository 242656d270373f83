// SPDX-License-Identifier: MIT
#include "CurrentUserRecord.h"

#include "PptFormat.h"
#include "RecordWriter.h"

namespace {

constexpr std::size_t kMaxUserName = 255;

} // namespace

CCurrentUserRecord::CCurrentUserRecord(std::uint32_t userEditOffset, std::string userName)
    : m_userEditOffset(userEditOffset), m_userName(std::move(userName))
{
    if (m_userName.size() > kMaxUserName)
        m_userName.resize(kMaxUserName);
    for (char& c : m_userName) {
        if (c < 0x20 || c > 0x7E)
            c = '?';
    }
}

void CCurrentUserRecord::Write(CRecordWriter& writer) const
{
    const auto nameLength = static_cast<std::uint16_t>(m_userName.size());
    writer.BeginRecord(RecordType::CurrentUserAtom);
    writer.U32(kCurrentUserFixedSize);
    writer.U32(kHeaderTokenPlain);
    writer.U32(m_userEditOffset);
    writer.U16(nameLength);
    writer.U16(kDocFileVersion);
    writer.U8(kFileMajorVersion);
    writer.U8(kFileMinorVersion);
    writer.U16(0);
    for (char c : m_userName)
        writer.U8(static_cast<std::uint8_t>(c));
    writer.U32(kReleaseVersion);
    writer.EndRecord();
    // The Unicode copy of the name follows the atom, outside its length, as
    // PowerPoint itself writes it.
    for (char c : m_userName)
        writer.U16(static_cast<std::uint8_t>(c));
}
