// SPDX-License-Identifier: MIT
#include "NoteReader.h"

#include "NoteSize.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <new>
#include <sys/stat.h>

namespace {

constexpr std::size_t kChunkBytes = 1 << 20;

std::string TooLarge()
{
    return "the note is larger than 64 MiB (" + std::to_string(kMaxNoteBytes) +
           " bytes), the most a note may hold";
}

} // namespace

bool CNoteReader::ReadFile(const std::string& path, std::string& text, std::string& error)
{
    struct stat status
    {};
    if (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        error = "it is a folder, not a note";
        return false;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::string("cannot read the note: ") + std::strerror(errno);
        return false;
    }
    // A regular file tells its size, which spares the copies of growing
    // the text; a pipe or a device is read until its end or the limit.
    const bool sized = S_ISREG(status.st_mode) && status.st_size > 0;
    return ReadBounded(file, sized ? static_cast<std::size_t>(status.st_size) : 0, text, error);
}

bool CNoteReader::ReadStream(std::istream& in, std::string& text, std::string& error)
{
    return ReadBounded(in, 0, text, error);
}

bool CNoteReader::ReadBounded(std::istream& in, std::size_t expected, std::string& text,
                              std::string& error)
{
    try {
        std::string bytes;
        if (expected > kMaxNoteBytes) {
            error = TooLarge();
            return false;
        }
        bytes.reserve(expected + 1);
        std::string chunk(kChunkBytes, '\0');
        // One byte past the limit is read to tell a note at the limit from
        // a larger one; no more.
        while (in && bytes.size() <= kMaxNoteBytes) {
            const std::size_t want = std::min(kChunkBytes, kMaxNoteBytes + 1 - bytes.size());
            errno = 0;
            in.read(chunk.data(), static_cast<std::streamsize>(want));
            bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (bytes.size() > kMaxNoteBytes) {
            error = TooLarge();
            return false;
        }
        if (in.bad() || (in.fail() && !in.eof())) {
            error = std::string("cannot read the note: ") +
                    (errno == EISDIR ? "it is a folder" : std::strerror(errno));
            return false;
        }
        text = std::move(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        error = "there is not enough memory to read the note";
        return false;
    }
}
