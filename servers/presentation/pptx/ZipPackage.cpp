// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <minizip/zip.h>
#include <stdexcept>
#include <unistd.h>

namespace {

// Deflate's fastest level: zlib took half the time of a whole run at its
// default level; the fastest saves a tenth of the run for a package 4% larger.
constexpr int kCompressionLevel = 1;
constexpr int kMemoryLevel = 8; // zlib's default
// Made by a Unix system, so unzip gives the parts ordinary file modes.
constexpr uLong kMadeByUnix = (3u << 8) | 20u;
constexpr uLong kRegularFileMode = 0100644u << 16;
constexpr uLong kUtf8NameFlag = 1u << 11;

// The DOS time stamp every entry carries, in local time as zip tools read it.
std::uint32_t DosTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr || local.tm_year < 80)
        return (1u << 21) | (1u << 16); // 1980-01-01, the earliest there is
    return static_cast<std::uint32_t>(local.tm_year - 80) << 25 |
           static_cast<std::uint32_t>(local.tm_mon + 1) << 21 |
           static_cast<std::uint32_t>(local.tm_mday) << 16 |
           static_cast<std::uint32_t>(local.tm_hour) << 11 |
           static_cast<std::uint32_t>(local.tm_min) << 5 |
           static_cast<std::uint32_t>(local.tm_sec / 2);
}

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

// The archive as minizip sees it: a file written from its start, with minizip
// seeking back to fill in each entry's header once the entry is compressed.
// The bytes gather in a buffer, where those header fills land too, and reach
// the descriptor a buffer at a time. The first failed write is kept, and
// every later one fails too, so the archive reports it whatever minizip does
// next. An abandoned archive writes nothing more.
struct CZipPackage::DescriptorTarget
{
    // 56 writes for the package of a 10,000-line note (256 KB took 16 and
    // held 0.2 MB more at the peak of the save).
    static constexpr std::size_t kBufferSize = 64 * 1024;

    int fd = -1;
    int failure = 0; // errno of the first failed write
    bool abandoned = false;
    std::uint64_t position = 0; // where minizip writes next
    std::uint64_t end = 0;      // the archive's length so far
    std::uint64_t bufferStart = 0;
    std::string buffer; // the bytes from bufferStart not yet on the descriptor

    bool WriteAt(const char* bytes, std::size_t count, std::uint64_t offset)
    {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t written =
                ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                failure = written < 0 ? errno : ENOSPC;
                return false;
            }
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

    uLong Write(const void* data, uLong length)
    {
        if (abandoned)
            return length;
        if (failure != 0)
            return 0;
        const auto* bytes = static_cast<const char*>(data);
        const std::size_t count = length;
        // A write outside the buffer, or one that would overfill it, first
        // empties it: the buffer never grows past its reserved size.
        if (position < bufferStart || position > bufferStart + buffer.size() ||
            buffer.size() + count > kBufferSize) {
            if (!Flush())
                return 0;
            bufferStart = position;
        }
        if (count > kBufferSize) {
            if (!WriteAt(bytes, count, position))
                return 0;
            bufferStart = position + count;
        } else {
            const std::size_t offset = static_cast<std::size_t>(position - bufferStart);
            const std::size_t over = std::min(count, buffer.size() - offset);
            buffer.replace(offset, over, bytes, over);
            buffer.append(bytes + over, count - over);
        }
        position += count;
        end = std::max(end, position);
        return length;
    }

    long Seek(ZPOS64_T offset, int origin)
    {
        const std::uint64_t base = origin == ZLIB_FILEFUNC_SEEK_SET   ? 0
                                   : origin == ZLIB_FILEFUNC_SEEK_CUR ? position
                                                                      : end;
        position = base + offset;
        return 0;
    }

    // The file ends where the archive does, whatever it held before.
    int Finish()
    {
        if (abandoned)
            return 0;
        if (failure != 0 || !Flush())
            return -1;
        if (::ftruncate(fd, static_cast<off_t>(end)) != 0) {
            failure = errno;
            return -1;
        }
        return 0;
    }

    static DescriptorTarget* Self(voidpf stream) { return static_cast<DescriptorTarget*>(stream); }

    static zlib_filefunc64_def Functions()
    {
        zlib_filefunc64_def functions{};
        // minizip is handed the target in place of a file name.
        functions.zopen64_file = [](voidpf, const void* target, int) -> voidpf {
            return const_cast<void*>(target);
        };
        functions.zread_file = [](voidpf, voidpf, void*, uLong) -> uLong {
            return 0;
        };
        functions.zwrite_file = [](voidpf, voidpf stream, const void* data, uLong length) {
            return Self(stream)->Write(data, length);
        };
        functions.ztell64_file = [](voidpf, voidpf stream) -> ZPOS64_T {
            return Self(stream)->position;
        };
        functions.zseek64_file = [](voidpf, voidpf stream, ZPOS64_T offset, int origin) {
            return Self(stream)->Seek(offset, origin);
        };
        functions.zclose_file = [](voidpf, voidpf stream) {
            return Self(stream)->Finish();
        };
        functions.zerror_file = [](voidpf, voidpf stream) {
            return Self(stream)->failure;
        };
        return functions;
    }
};

CZipPackage::CZipPackage(int fd)
    : m_target(std::make_unique<DescriptorTarget>()), m_dosTime(DosTimeNow())
{
    m_target->fd = fd;
    m_target->buffer.reserve(DescriptorTarget::kBufferSize);
    zlib_filefunc64_def functions = DescriptorTarget::Functions();
    m_archive = zipOpen2_64(m_target.get(), APPEND_STATUS_CREATE, nullptr, &functions);
    if (m_archive == nullptr)
        throw std::runtime_error("a zip archive cannot be started");
}

CZipPackage::~CZipPackage()
{
    if (m_archive == nullptr)
        return;
    // Frees what minizip holds; the bytes it would write go nowhere.
    m_target->abandoned = true;
    zipClose(m_archive, nullptr);
}

void CZipPackage::Fail(const std::string& what)
{
    if (m_target->failure != 0)
        throw std::runtime_error(std::strerror(m_target->failure));
    throw std::runtime_error(what);
}

void CZipPackage::BeginPart(const std::string& name)
{
    zip_fileinfo info{};
    info.dosDate = m_dosTime;
    info.external_fa = kRegularFileMode;
    const uLong flags = IsAscii(name) ? 0 : kUtf8NameFlag;
    if (zipOpenNewFileInZip4_64(m_archive, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, kCompressionLevel, 0, -MAX_WBITS, kMemoryLevel,
                                Z_DEFAULT_STRATEGY, nullptr, 0, kMadeByUnix, flags, 0) != ZIP_OK)
        Fail("the part \"" + name + "\" cannot be started");
    m_partBytes = 0;
}

void CZipPackage::WriteToPart(std::string_view bytes)
{
    if (bytes.size() > kMaxPartBytes - m_partBytes)
        throw std::length_error("a part of the package would be over 4 GB");
    m_partBytes += bytes.size();
    if (!bytes.empty() &&
        zipWriteInFileInZip(m_archive, bytes.data(), static_cast<unsigned>(bytes.size())) != ZIP_OK)
        Fail("a part cannot be compressed");
}

void CZipPackage::EndPart()
{
    if (zipCloseFileInZip(m_archive) != ZIP_OK)
        Fail("a part cannot be finished");
}

void CZipPackage::AddPart(const std::string& name, std::string_view bytes)
{
    BeginPart(name);
    WriteToPart(bytes);
    EndPart();
}

void CZipPackage::AddPart(const std::string& name, IPartPieces& pieces)
{
    BeginPart(name);
    for (std::string piece; pieces.Next(piece);)
        WriteToPart(piece);
    EndPart();
}

void CZipPackage::Close()
{
    const int closed = zipClose(m_archive, nullptr);
    m_archive = nullptr;
    if (closed != ZIP_OK)
        Fail("the package cannot be finished");
}
