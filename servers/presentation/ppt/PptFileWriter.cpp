// SPDX-License-Identifier: MIT
#include "PptFileWriter.h"

#include "ByteSink.h"
#include "CompoundFileWriter.h"
#include "PptFormat.h"
#include "SaveThroughSafeFile.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

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
    CMemorySink sink;
    Assemble(streams, sink);
    return sink.Take();
}

void CPptFileWriter::Assemble(const PptStreams& streams, IByteSink& sink)
{
    CCompoundFileWriter file;
    file.SetRootClassId(kPresentationClassId);
    file.SetSummary(streams.summary);
    file.AddStream(kCurrentUserStreamName, streams.currentUser);
    file.AddStream(kDocumentStreamName, streams.document);
    if (!streams.pictures.empty())
        file.AddStream(kPicturesStreamName, streams.pictures);
    file.Finish(sink);
}

void CPptFileWriter::Write(const PresentationDocument& document, const std::string& path,
                           int fileFormat)
{
    if (fileFormat != kFormatPresentation && fileFormat != kFormatTemplate)
        FailSave(path, "file format " + std::to_string(fileFormat) + " is not supported");
    // Saving without the design that was applied would report a success that is not one.
    if (document.packageDesign)
        FailSave(path, "an Office Open XML design template (.potx) cannot be carried into a .ppt "
                       "file; apply a .pot template instead, or save it as .pptx");
    SaveThroughSafeFile(path, [&](const CSafeFile& file) {
        const PptStreams streams = CPptPackager().Package(document);
        // The sink closes what it is given; the safe file keeps its own
        // descriptor to put the file in place once the sink is done.
        const int fd = ::dup(file.Descriptor());
        if (fd < 0)
            throw std::runtime_error(std::strerror(errno));
        std::unique_ptr<IByteSink> sink;
        try {
            sink = m_sinkFactory(fd);
        } catch (...) {
            ::close(fd);
            throw;
        }
        // The compound file goes straight into the new file: the document
        // stream is the only copy of the file's size in memory.
        Assemble(streams, *sink);
        if (!sink->Close())
            throw std::runtime_error(sink->Error());
    });
}
