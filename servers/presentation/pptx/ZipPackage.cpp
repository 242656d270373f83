// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <zip.h>

namespace {
constexpr zip_uint32_t kCompressionLevel = 1;
} // namespace

// Read by libzip as a source: made on open, handed out on read, let go on
// close. A maker that throws fails the archive; its exception is kept for
// Close to rethrow, since it cannot cross libzip's C frames.
struct CZipPackage::PartSource
{
    PartMaker make;         // a part made whole
    PiecesMaker makePieces; // or one made a piece at a time
    std::exception_ptr* failure = nullptr;
    std::time_t mtime = 0;
    std::string bytes;        // the whole part, or the piece being read
    std::size_t position = 0; // in bytes
    std::unique_ptr<IPartPieces> pieces;
    zip_error_t error{};
    bool held = false;               // bytes are made and not yet let go
    std::optional<std::size_t> size; // known once made

    bool Fail()
    {
        *failure = std::current_exception();
        zip_error_set(&error, ZIP_ER_INTERNAL, 0);
        return false;
    }

    bool Make()
    {
        if (held)
            return true;
        try {
            if (makePieces) {
                pieces = makePieces();
                bytes.clear();
            } else {
                bytes = make();
            }
        } catch (...) {
            return Fail();
        }
        held = true;
        if (!makePieces)
            size = bytes.size();
        return true;
    }

    // A streamed part's size: all its pieces made once and let go.
    bool Measure()
    {
        try {
            std::size_t total = 0;
            std::string piece;
            for (const auto counted = makePieces(); counted->Next(piece);)
                total += piece.size();
            size = total;
        } catch (...) {
            return Fail();
        }
        return true;
    }

    zip_int64_t Read(void* data, zip_uint64_t length)
    {
        auto* out = static_cast<char*>(data);
        std::size_t done = 0;
        try {
            while (done < length) {
                if (position == bytes.size()) {
                    position = 0;
                    if (!pieces || !pieces->Next(bytes)) {
                        // Complete: its pieces are not asked again.
                        pieces.reset();
                        bytes.clear();
                        break;
                    }
                    continue;
                }
                const std::size_t count =
                    std::min<std::size_t>(length - done, bytes.size() - position);
                std::memcpy(out + done, bytes.data() + position, count);
                position += count;
                done += count;
            }
        } catch (...) {
            Fail();
            return -1;
        }
        return static_cast<zip_int64_t>(done);
    }

    zip_int64_t Answer(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            position = 0;
            return Make() ? 0 : -1;
        case ZIP_SOURCE_READ:
            return Read(data, length);
        case ZIP_SOURCE_CLOSE:
            std::string().swap(bytes);
            pieces.reset();
            held = false;
            return 0;
        case ZIP_SOURCE_STAT: {
            // libzip asks just before it writes the part. Knowing the size
            // then keeps it from marking every entry as needing ZIP64.
            if (!size && !(makePieces ? Measure() : Make()))
                return -1;
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->mtime = mtime;
            stat->size = *size;
            stat->valid |= ZIP_STAT_MTIME | ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, length);
        case ZIP_SOURCE_FREE:
            zip_error_fini(&error);
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                  ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    static zip_int64_t Callback(void* self, void* data, zip_uint64_t length,
                                zip_source_cmd_t command)
    {
        return static_cast<PartSource*>(self)->Answer(data, length, command);
    }
};

// The archive as libzip sees it: a file that is empty when opened and is
// written from its start, with libzip seeking back to fill in each entry's
// header once the entry is compressed. The bytes gather in a buffer, where
// those header fills land too, and reach the descriptor a buffer at a time:
// written straight through, a package of many small parts took six system
// calls a part. Committing only writes what is left: the owner of the
// descriptor puts the file in place when all is written.
struct CZipPackage::DescriptorTarget
{
    // 56 writes for the package of a 10,000-line note (256 KB took 16 and
    // held 0.2 MB more at the peak of the save).
    static constexpr std::size_t kBufferSize = 64 * 1024;

    int fd = -1;
    zip_error_t error{};
    zip_uint64_t position = 0; // where libzip writes next
    zip_uint64_t end = 0;      // the archive's length so far
    zip_uint64_t bufferStart = 0;
    std::string buffer; // the bytes from bufferStart not yet on the descriptor

    zip_int64_t Failed(int code)
    {
        zip_error_set(&error, code, errno);
        return -1;
    }

    bool WriteAt(const char* bytes, std::size_t count, zip_uint64_t offset) const
    {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t written =
                ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            done += static_cast<std::size_t>(written);
        }
        return true;
    }

    bool Flush()
    {
        if (!WriteAt(buffer.data(), buffer.size(), bufferStart))
            return false;
        bufferStart += buffer.size();
        buffer.clear();
        return true;
    }

    zip_int64_t Write(const void* data, zip_uint64_t length)
    {
        const auto* bytes = static_cast<const char*>(data);
        const std::size_t count = static_cast<std::size_t>(length);
        // A write outside the buffer, or one that would overfill it, first
        // empties it: the buffer never grows past its reserved size.
        if (position < bufferStart || position > bufferStart + buffer.size() ||
            buffer.size() + count > kBufferSize) {
            if (!Flush())
                return Failed(ZIP_ER_WRITE);
            bufferStart = position;
        }
        if (count > kBufferSize) {
            // Larger than the buffer: straight through.
            if (!WriteAt(bytes, count, position))
                return Failed(ZIP_ER_WRITE);
            bufferStart = position + length;
        } else {
            const std::size_t offset = static_cast<std::size_t>(position - bufferStart);
            const std::size_t over = std::min(count, buffer.size() - offset);
            buffer.replace(offset, over, bytes, over);
            buffer.append(bytes + over, count - over);
        }
        position += length;
        end = std::max(end, position);
        return static_cast<zip_int64_t>(length);
    }

    zip_int64_t SeekWrite(void* data, zip_uint64_t length)
    {
        const auto* seek = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, length, &error);
        if (seek == nullptr)
            return -1;
        const zip_int64_t base = seek->whence == SEEK_SET   ? 0
                                 : seek->whence == SEEK_CUR ? static_cast<zip_int64_t>(position)
                                                            : static_cast<zip_int64_t>(end);
        if (base + seek->offset < 0) {
            zip_error_set(&error, ZIP_ER_INVAL, 0);
            return -1;
        }
        position = static_cast<zip_uint64_t>(base + seek->offset);
        return 0;
    }

    zip_int64_t Answer(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->size = 0;
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_BEGIN_WRITE:
            position = end = bufferStart = 0;
            buffer.clear();
            buffer.reserve(kBufferSize);
            return ::ftruncate(fd, 0) != 0 ? Failed(ZIP_ER_WRITE) : 0;
        case ZIP_SOURCE_WRITE:
            return Write(data, length);
        case ZIP_SOURCE_SEEK_WRITE:
            return SeekWrite(data, length);
        case ZIP_SOURCE_TELL_WRITE:
            return static_cast<zip_int64_t>(position);
        case ZIP_SOURCE_COMMIT_WRITE:
            return Flush() ? 0 : Failed(ZIP_ER_WRITE);
        case ZIP_SOURCE_ROLLBACK_WRITE:
            std::string().swap(buffer);
            return 0;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, length);
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_WRITABLE;
        // The archive is never read back; what is left is bookkeeping that
        // has nothing to do for a descriptor.
        case ZIP_SOURCE_OPEN:
        case ZIP_SOURCE_READ:
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_SEEK:
        case ZIP_SOURCE_TELL:
        case ZIP_SOURCE_REMOVE:
        case ZIP_SOURCE_FREE:
            return 0;
        default:
            zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    static zip_int64_t Callback(void* self, void* data, zip_uint64_t length,
                                zip_source_cmd_t command)
    {
        return static_cast<DescriptorTarget*>(self)->Answer(data, length, command);
    }
};

CZipPackage::CZipPackage(int fd) : m_target(std::make_unique<DescriptorTarget>())
{
    m_target->fd = fd;
    zip_error_init(&m_target->error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_function_create(&DescriptorTarget::Callback, m_target.get(), &error);
    if (source != nullptr) {
        m_archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
        // On success the archive owns the source; on failure it is still ours.
        if (m_archive == nullptr)
            zip_source_free(source);
    }
    if (m_archive == nullptr) {
        const std::string text = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw std::runtime_error(text);
    }
    zip_error_fini(&error);
}

CZipPackage::~CZipPackage()
{
    if (m_archive != nullptr)
        zip_discard(m_archive);
    if (m_target)
        zip_error_fini(&m_target->error);
}

void CZipPackage::AddPart(const std::string& name, PartMaker make)
{
    auto part = std::make_unique<PartSource>();
    part->make = std::move(make);
    AddSource(name, std::move(part));
}

void CZipPackage::AddPart(const std::string& name, PiecesMaker make)
{
    auto part = std::make_unique<PartSource>();
    part->makePieces = std::move(make);
    AddSource(name, std::move(part));
}

void CZipPackage::AddSource(const std::string& name, std::unique_ptr<PartSource> part)
{
    part->failure = &m_partFailure;
    part->mtime = std::time(nullptr);
    zip_error_init(&part->error);
    zip_source_t* source = zip_source_function(m_archive, &PartSource::Callback, part.get());
    if (source == nullptr)
        throw std::runtime_error(zip_strerror(m_archive));
    // The source owns the part from here and deletes it on ZIP_SOURCE_FREE.
    part.release();
    const zip_int64_t index = zip_file_add(m_archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw std::runtime_error(zip_strerror(m_archive));
    }
    // Deflate's fastest level: zlib took half the time of a whole run at its
    // default level; the fastest saves a tenth of the run for a package 4%
    // larger.
    if (zip_set_file_compression(m_archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                 kCompressionLevel) < 0)
        throw std::runtime_error(zip_strerror(m_archive));
}

void CZipPackage::Close()
{
    if (zip_close(m_archive) == 0) {
        m_archive = nullptr;
        return;
    }
    if (m_partFailure)
        std::rethrow_exception(m_partFailure);
    throw std::runtime_error(zip_strerror(m_archive));
}
