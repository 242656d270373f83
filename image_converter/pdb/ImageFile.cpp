// SPDX-License-Identifier: MIT
#include "ImageFile.h"

#include "FileDescriptor.h"
#include "PalmDatabaseFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system maps no empty range, so an empty image still takes a page.
std::size_t MappingLength(std::size_t size)
{
    return std::max<std::size_t>(size, 1);
}

std::string CannotRead(const std::string& path, const std::string& reason)
{
    return "Cannot read " + path + ": " + reason;
}

// Reads until the buffer is full or the file ends; the count of bytes read,
// or -1 with errno set.
ssize_t ReadFully(int descriptor, std::uint8_t* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(descriptor, buffer + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

// Opens the image and learns its size, refusing anything a database cannot
// hold before memory is spent on it.
bool OpenImage(const std::string& path, CFileDescriptor& file, std::size_t& size,
               std::string& error)
{
    // Not waiting for a writer: a pipe in the image's place is refused below
    // instead of hanging the program.
    file = CFileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        error = "Cannot read " + path;
        return false;
    }
    struct stat status
    {};
    if (::fstat(file.Get(), &status) != 0) {
        error = CannotRead(path, std::strerror(errno));
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        error = CannotRead(path, "not a regular file");
        return false;
    }
    size = static_cast<std::size_t>(status.st_size);
    if (size > PalmDb::kMaxImageSize) {
        error = "Cannot convert " + path + ": an image may hold at most 65,000,000 bytes";
        return false;
    }
    return true;
}

} // namespace

void CImageFile::CUnmapper::operator()(std::uint8_t* bytes) const noexcept
{
    ::munmap(bytes, MappingLength(size));
}

// Memory for the whole image, in large pages where the system offers them:
// touching 60 MB page by page costs more than reading it.
CImageFile::MappedBytes CImageFile::AllocateImageMemory(std::size_t size)
{
    void* memory = ::mmap(nullptr, MappingLength(size), PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return MappedBytes(nullptr, CUnmapper{size});
    ::madvise(memory, MappingLength(size), MADV_HUGEPAGE);
    return MappedBytes(static_cast<std::uint8_t*>(memory), CUnmapper{size});
}

bool CImageFile::Load(const std::string& path, std::string& error)
{
    m_bytes.reset();
    m_size = 0;
    CFileDescriptor file;
    std::size_t size = 0;
    if (!OpenImage(path, file, size, error))
        return false;
    MappedBytes bytes = AllocateImageMemory(size);
    if (!bytes) {
        error = "Not enough memory to read " + path;
        return false;
    }
    ::posix_fadvise(file.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const ssize_t got = ReadFully(file.Get(), bytes.get(), size);
    if (got < 0) {
        error = CannotRead(path, std::strerror(errno));
        return false;
    }
    if (static_cast<std::size_t>(got) != size) {
        error = CannotRead(path, "it ended after " + std::to_string(got) + " of " +
                                     std::to_string(size) + " bytes");
        return false;
    }
    m_bytes = std::move(bytes);
    m_size = size;
    return true;
}
