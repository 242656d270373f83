#include "PptFileWriter.h"

#include "ByteSink.h"
#include "CompoundFileWriter.h"
#include "PptFormat.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& path, const std::string& reason)
{
    throw CSaveError("Cannot save \"" + path + "\": " + reason + ".");
}

std::string FolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

void CheckFolder(const std::string& path)
{
    const std::string folder = FolderOf(path);
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        Fail(path, "the folder \"" + folder + "\" does not exist");
    if (error)
        Fail(path, error.message());
    if (!fs::is_directory(status))
        Fail(path, "\"" + folder + "\" is not a folder");
    if (fs::is_directory(fs::status(path, error)))
        Fail(path, "a folder of that name exists");
}

// A hidden, unique name beside the target, so the rename stays within one
// file system. Open with O_EXCL: a name that exists is never reused.
int CreateTemporary(const std::string& path, std::string& temporary)
{
    static std::atomic<unsigned> counter{0};
    const fs::path target(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + ".saving-" +
                                 std::to_string(::getpid()) + "-" + std::to_string(counter++);
        temporary = (target.parent_path() / name).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            Fail(path, std::strerror(errno));
    }
    Fail(path, "no temporary file name is free");
}

} // namespace

CPptFileWriter::CPptFileWriter()
    : CPptFileWriter([](int fd) { return std::make_unique<CFileSink>(fd); })
{}

CPptFileWriter::CPptFileWriter(SinkFactory sinkFactory) : m_sinkFactory(std::move(sinkFactory)) {}

std::vector<std::uint8_t> CPptFileWriter::Build(const PresentationDocument& document)
{
    return Assemble(CPptPackager().Package(document));
}

std::vector<std::uint8_t> CPptFileWriter::Assemble(const PptStreams& streams)
{
    CCompoundFileWriter file;
    file.SetRootClassId(kPresentationClassId);
    file.SetSummary(streams.summary);
    file.AddStream(kCurrentUserStreamName, streams.currentUser);
    file.AddStream(kDocumentStreamName, streams.document);
    if (!streams.pictures.empty())
        file.AddStream(kPicturesStreamName, streams.pictures);
    return file.Finish();
}

void CPptFileWriter::Write(const PresentationDocument& document, const std::string& path,
                           int fileFormat)
{
    if (fileFormat != kFormatPresentation && fileFormat != kFormatTemplate)
        Fail(path, "file format " + std::to_string(fileFormat) + " is not supported");
    CheckFolder(path);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = Build(document);
    } catch (const std::exception& error) {
        Fail(path, error.what());
    }

    std::string temporary;
    const int fd = CreateTemporary(path, temporary);
    std::unique_ptr<IByteSink> sink;
    try {
        sink = m_sinkFactory(fd);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    sink->Write(bytes.data(), bytes.size());
    if (!sink->Close()) {
        ::unlink(temporary.c_str());
        Fail(path, sink->Error());
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        Fail(path, std::strerror(error));
    }
}
