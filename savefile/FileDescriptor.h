// SPDX-License-Identifier: MIT
#pragma once

#include <unistd.h>
#include <utility>

// Owns one open file descriptor and closes it at the end of its scope.
class CFileDescriptor
{
public:
    CFileDescriptor() noexcept = default;
    explicit CFileDescriptor(int descriptor) noexcept : m_descriptor(descriptor) {}
    CFileDescriptor(CFileDescriptor&& other) noexcept
        : m_descriptor(std::exchange(other.m_descriptor, -1))
    {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_descriptor = std::exchange(other.m_descriptor, -1);
        }
        return *this;
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor() { Close(); }

    int Get() const noexcept { return m_descriptor; }
    bool IsOpen() const noexcept { return m_descriptor >= 0; }

    // False when the system reports an error on closing, which for a file
    // being written can be the first news of a failed write.
    bool Close() noexcept
    {
        if (m_descriptor < 0)
            return true;
        return ::close(std::exchange(m_descriptor, -1)) == 0;
    }

private:
    int m_descriptor = -1;
};
