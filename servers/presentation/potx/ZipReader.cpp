// SPDX-License-Identifier: MIT
#include "ZipReader.h"

#include <algorithm>
#include <cstring>
#include <minizip/unzip.h>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

[[noreturn]] void Fail(const std::string& reason)
{
    throw CPackageError(reason);
}

constexpr char kIncomplete[] = "it is not a complete zip archive (truncated or damaged)";
constexpr uLong kEncryptedFlag = 1;

} // namespace

// The archive's bytes as a file minizip reads; they are only borrowed.
struct CZipReader::MemorySource
{
    const std::vector<std::uint8_t>& bytes;
    std::uint64_t position = 0;

    uLong Read(void* out, uLong length)
    {
        const std::uint64_t left = position < bytes.size() ? bytes.size() - position : 0;
        const uLong count = static_cast<uLong>(std::min<std::uint64_t>(length, left));
        if (count != 0)
            std::memcpy(out, bytes.data() + position, count);
        position += count;
        return count;
    }

    long Seek(ZPOS64_T offset, int origin)
    {
        const std::uint64_t base = origin == ZLIB_FILEFUNC_SEEK_SET   ? 0
                                   : origin == ZLIB_FILEFUNC_SEEK_CUR ? position
                                                                      : bytes.size();
        if (offset > bytes.size() || base > bytes.size() - offset)
            return -1;
        position = base + offset;
        return 0;
    }

    static MemorySource* Self(voidpf stream) { return static_cast<MemorySource*>(stream); }

    static zlib_filefunc64_def Functions()
    {
        zlib_filefunc64_def functions{};
        // minizip is handed the source in place of a file name.
        functions.zopen64_file = [](voidpf, const void* source, int) -> voidpf {
            return const_cast<void*>(source);
        };
        functions.zread_file = [](voidpf, voidpf stream, void* out, uLong length) {
            return Self(stream)->Read(out, length);
        };
        functions.zwrite_file = [](voidpf, voidpf, const void*, uLong) -> uLong {
            return 0;
        };
        functions.ztell64_file = [](voidpf, voidpf stream) -> ZPOS64_T {
            return Self(stream)->position;
        };
        functions.zseek64_file = [](voidpf, voidpf stream, ZPOS64_T offset, int origin) {
            return Self(stream)->Seek(offset, origin);
        };
        functions.zclose_file = [](voidpf, voidpf) {
            return 0;
        };
        functions.zerror_file = [](voidpf, voidpf) {
            return 0;
        };
        return functions;
    }
};

void CZipReader::ArchiveClose::operator()(void* archive) const
{
    unzClose(archive);
}

CZipReader::CZipReader(const std::vector<std::uint8_t>& bytes)
    : m_source(std::make_unique<MemorySource>(MemorySource{bytes}))
{
    zlib_filefunc64_def functions = MemorySource::Functions();
    m_archive.reset(unzOpen2_64(m_source.get(), &functions));
    if (!m_archive)
        Fail(kIncomplete);
    ListEntries();
}

CZipReader::~CZipReader() = default;

void CZipReader::ListEntries()
{
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(m_archive.get(), &global) != UNZ_OK)
        Fail(kIncomplete);
    if (global.number_entry > kMaxEntries)
        Fail("it holds more than " + std::to_string(kMaxEntries) + " entries");
    std::vector<char> name(0x10000);
    for (int at = unzGoToFirstFile(m_archive.get()); at != UNZ_END_OF_LIST_OF_FILE;
         at = unzGoToNextFile(m_archive.get())) {
        unz_file_info64 info{};
        unz64_file_pos place{};
        if (at != UNZ_OK ||
            unzGetCurrentFileInfo64(m_archive.get(), &info, name.data(), name.size(), nullptr, 0,
                                    nullptr, 0) != UNZ_OK ||
            unzGetFilePos64(m_archive.get(), &place) != UNZ_OK)
            Fail(kIncomplete);
        if (m_entries.size() == kMaxEntries)
            Fail("it holds more than " + std::to_string(kMaxEntries) + " entries");
        const std::string stored(name.data(), info.size_filename);
        if (!m_entries
                 .emplace(Lower(stored), EntryPlace{place.pos_in_zip_directory, place.num_of_file})
                 .second)
            Fail("it holds the part \"" + stored + "\" twice");
    }
}

bool CZipReader::Has(const std::string& name) const
{
    return m_entries.count(Lower(name)) != 0;
}

std::optional<std::string> CZipReader::Read(const std::string& name)
{
    const auto found = m_entries.find(Lower(name));
    if (found == m_entries.end())
        return std::nullopt;
    unz64_file_pos place{found->second.directoryOffset, found->second.index};
    unz_file_info64 info{};
    if (unzGoToFilePos64(m_archive.get(), &place) != UNZ_OK ||
        unzGetCurrentFileInfo64(m_archive.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) !=
            UNZ_OK)
        Fail("the part \"" + name + "\" is damaged");
    if ((info.flag & kEncryptedFlag) != 0)
        Fail("the part \"" + name + "\" is encrypted; save the template without a password");
    if (info.uncompressed_size > kMaxInflated - m_inflated)
        Fail("its parts are larger than a design template may be (over 64 MB unpacked)");
    if ((info.compression_method != 0 && info.compression_method != Z_DEFLATED) ||
        unzOpenCurrentFile(m_archive.get()) != UNZ_OK)
        Fail("the part \"" + name + "\" cannot be unpacked");
    // One byte more than the header says, to tell an entry that lies about its size.
    std::string bytes(static_cast<std::size_t>(info.uncompressed_size) + 1, '\0');
    std::size_t used = 0;
    int got = 0;
    while (used < bytes.size()) {
        const std::size_t want = std::min<std::size_t>(bytes.size() - used, 1u << 30);
        got = unzReadCurrentFile(m_archive.get(), bytes.data() + used, static_cast<unsigned>(want));
        if (got <= 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    // Closing checks the checksum, which tells an entry whose data inflates
    // to more than its header says.
    const int closed = unzCloseCurrentFile(m_archive.get());
    if (got < 0)
        Fail("the part \"" + name + "\" is damaged");
    if (used != info.uncompressed_size)
        Fail("the part \"" + name + "\" is not as long as the archive says");
    if (closed == UNZ_CRCERROR)
        Fail("the part \"" + name + "\" is damaged: its bytes do not match their checksum");
    if (closed != UNZ_OK)
        Fail("the part \"" + name + "\" is damaged");
    bytes.resize(used);
    m_inflated += used;
    return bytes;
}
