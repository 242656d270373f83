// SPDX-License-Identifier: MIT
#pragma once

#include "PptPackager.h"
#include "PresentationFileWriter.h"

#include <functional>
#include <memory>

class IByteSink;

// Saves presentations as PowerPoint 97-2003 files: format 1 a presentation
// (.ppt), format 5 a design template (.pot), which is the same binary format.
// The records are laid out in memory and the compound file around them is
// written straight into a CSafeFile: a failed or
// interrupted save leaves an existing file as it was and nothing beside it,
// and a read-only file is refused.
class CPptFileWriter : public IPresentationFileWriter
{
public:
    static constexpr int kFormatPresentation = 1;
    static constexpr int kFormatTemplate = 5;

    // Makes the sink that receives the bytes for the new file; it takes over
    // the descriptor it is given (a duplicate of the safe file's). Tests put a failing sink here.
    using SinkFactory = std::function<std::unique_ptr<IByteSink>(int fd)>;

    CPptFileWriter();
    explicit CPptFileWriter(SinkFactory sinkFactory);

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override;

    // The compound file's bytes, as Write stores them.
    static std::vector<std::uint8_t> Build(const PresentationDocument& document);
    // The compound file around streams already packaged (tests damage them
    // on purpose before they are put together).
    static std::vector<std::uint8_t> Assemble(const PptStreams& streams);
    static void Assemble(const PptStreams& streams, IByteSink& sink);

private:
    SinkFactory m_sinkFactory;
};
