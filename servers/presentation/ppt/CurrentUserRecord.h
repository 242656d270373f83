// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

class CRecordWriter;

// The "Current User" stream: who saved last and where the newest user edit
// of the document stream begins.
class CCurrentUserRecord
{
public:
    // userName: printable ASCII is stored as is, anything else as '?' (the
    // field is 8-bit); at most 255 characters.
    CCurrentUserRecord(std::uint32_t userEditOffset, std::string userName);

    void Write(CRecordWriter& writer) const;
    // The name as stored.
    const std::string& UserName() const { return m_userName; }

private:
    std::uint32_t m_userEditOffset;
    std::string m_userName;
};
