// SPDX-License-Identifier: MIT
#include "ZipPackage.h"

#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <stdexcept>
#include <zip.h>

// Read by libzip as a source: made on open, handed out on read, let go on
// close. A maker that throws fails the archive; its exception is kept for
// Close to rethrow, since it cannot cross libzip's C frames.
struct CZipPackage::PartSource
{
    PartMaker make;
    std::exception_ptr* failure = nullptr;
    std::time_t mtime = 0;
    std::string bytes;
    std::size_t position = 0;
    zip_error_t error{};
    bool held = false;               // bytes are made and not yet let go
    std::optional<std::size_t> size; // known once made

    bool Make()
    {
        if (held)
            return true;
        try {
            bytes = make();
        } catch (...) {
            *failure = std::current_exception();
            zip_error_set(&error, ZIP_ER_INTERNAL, 0);
            return false;
        }
        held = true;
        size = bytes.size();
        return true;
    }

    zip_int64_t Answer(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            position = 0;
            return Make() ? 0 : -1;
        case ZIP_SOURCE_READ: {
            const std::size_t count =
                std::min<std::size_t>(static_cast<std::size_t>(length), bytes.size() - position);
            std::memcpy(data, bytes.data() + position, count);
            position += count;
            return static_cast<zip_int64_t>(count);
        }
        case ZIP_SOURCE_CLOSE:
            std::string().swap(bytes);
            held = false;
            return 0;
        case ZIP_SOURCE_STAT: {
            // libzip asks just before it writes the part. Knowing the size
            // then keeps it from marking every entry as needing ZIP64.
            if (!size && !Make())
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

CZipPackage::CZipPackage(const std::string& path) : m_path(path)
{
    int error = 0;
    m_archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (m_archive == nullptr) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const std::string text = zip_error_strerror(&reason);
        zip_error_fini(&reason);
        throw std::runtime_error(text);
    }
}

CZipPackage::~CZipPackage()
{
    if (m_archive != nullptr)
        zip_discard(m_archive);
}

void CZipPackage::AddPart(const std::string& name, PartMaker make)
{
    auto part = std::make_unique<PartSource>();
    part->make = std::move(make);
    part->failure = &m_partFailure;
    part->mtime = std::time(nullptr);
    zip_error_init(&part->error);
    zip_source_t* source = zip_source_function(m_archive, &PartSource::Callback, part.get());
    if (source == nullptr)
        throw std::runtime_error(zip_strerror(m_archive));
    // The source owns the part from here and deletes it on ZIP_SOURCE_FREE.
    part.release();
    if (zip_file_add(m_archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        throw std::runtime_error(zip_strerror(m_archive));
    }
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
