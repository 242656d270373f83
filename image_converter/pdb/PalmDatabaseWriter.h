// SPDX-License-Identifier: MIT
#pragma once

#include "ByteSink.h"
#include "Clock.h"

#include <functional>
#include <memory>
#include <string>

// Wraps the bytes of one GIF file, unchanged, into a Palm OS record database
// beside it (type "Wall", creator "Actn"), which the install tool copies to
// the handheld. The image is cut into records of at most 65000 bytes; it is
// never decoded, so only the file's name says it is a GIF.
class CPalmDatabaseWriter
{
public:
    // Opens what the database's bytes go to, given the database's path.
    using SinkFactory = std::function<std::unique_ptr<IByteSink>(const std::string& path)>;

    // The clock dates the database. Without a factory the database goes to
    // its file through a CAtomicFileSink, so an old database of that name is
    // replaced only by a complete new one.
    explicit CPalmDatabaseWriter(const IClock& clock, SinkFactory openSink = {});

    // Converts the image at inputPath, whose name must end in ".gif" in any
    // case, into the file of the same name ending in "pdb". Returns true with
    // the database's path in result, or false with one line of error text in
    // result and no new file anywhere:
    //   "Was expecting a GIF file!"
    //   "Cannot read <path>", "Cannot read <path>: <reason>"
    //   "Cannot convert <path>: an image may hold at most 65,000,000 bytes"
    //   "Not enough memory to read <path>"
    //   "Cannot write to <database path>", ... ": <reason>"
    bool ConvertGifToPdb(std::string inputPath, std::string& result) const;

private:
    const IClock& m_clock;
    SinkFactory m_openSink;
};

// The conversion as the program runs it: dated by the system's clock and
// written to its file atomically.
bool ConvertGifToPdb(std::string inputPath, std::string& result);
