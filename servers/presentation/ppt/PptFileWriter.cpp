// SPDX-License-Identifier: MIT
#include "PptFileWriter.h"

#include "ByteSink.h"
#include "CompoundFileWriter.h"
#include "PptFormat.h"
#include "SafeFile.h"
#include "TargetFolder.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason)
{
    throw CSaveError("Cannot save \"" + path + "\": " + reason + ".");
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
    // Saving without the design that was applied would report a success that is not one.
    if (document.packageDesign)
        Fail(path, "an Office Open XML design template (.potx) cannot be carried into a .ppt "
                   "file; apply a .pot template instead, or save it as .pptx");
    if (const std::string problem = TargetFolderProblem(path); !problem.empty())
        Fail(path, problem);
    // Made first, so a read-only target is refused before any work is done.
    CSafeFile file(path);
    if (file.Descriptor() < 0)
        Fail(path, file.Error());
    std::vector<std::uint8_t> bytes;
    try {
        bytes = Build(document);
    } catch (const std::exception& error) {
        Fail(path, error.what());
    }

    // The sink closes what it is given; the safe file keeps its own
    // descriptor to put the file in place once the sink is done.
    const int fd = ::dup(file.Descriptor());
    if (fd < 0)
        Fail(path, std::strerror(errno));
    std::unique_ptr<IByteSink> sink;
    try {
        sink = m_sinkFactory(fd);
    } catch (...) {
        ::close(fd);
        throw;
    }
    sink->Write(bytes.data(), bytes.size());
    if (!sink->Close())
        Fail(path, sink->Error());
    if (!file.Commit())
        Fail(path, file.Error());
}
