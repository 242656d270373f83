// SPDX-License-Identifier: MIT
#include "ByteSink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

CFileSink::CFileSink(int fd) : m_fd(fd) {}

CFileSink::~CFileSink()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void CFileSink::Fail(int error)
{
    if (m_error.empty())
        m_error = std::strerror(error);
}

void CFileSink::Write(const std::uint8_t* data, std::size_t size)
{
    while (m_error.empty() && size > 0) {
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0) {
            if (errno != EINTR)
                Fail(errno);
            continue;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void CFileSink::Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size)
{
    while (m_error.empty() && size > 0) {
        const ssize_t written = ::pwrite(m_fd, data, size, static_cast<off_t>(offset));
        if (written < 0) {
            if (errno != EINTR)
                Fail(errno);
            continue;
        }
        data += written;
        offset += static_cast<std::size_t>(written);
        size -= static_cast<std::size_t>(written);
    }
}

bool CFileSink::Close()
{
    if (m_fd < 0)
        return m_error.empty();
    if (m_error.empty() && ::fsync(m_fd) != 0)
        Fail(errno);
    if (::close(m_fd) != 0)
        Fail(errno);
    m_fd = -1;
    return m_error.empty();
}

void CMemorySink::Write(const std::uint8_t* data, std::size_t size)
{
    m_bytes.insert(m_bytes.end(), data, data + size);
}

void CMemorySink::Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size)
{
    std::copy(data, data + size, m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}
