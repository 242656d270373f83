// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <functional>
#include <string>
#include <vector>

// The kinds of file the writer produces that every reader test opens: the
// worked example; one- and two-column slides with no, one and many bullets;
// every level; empty titles; non-ASCII text; 300 bullets in one body; 1,000
// slides; a design template; a presentation the builder made on the real
// server, and a note it built and saved under a free name.
struct WrittenFile
{
    std::string name; // file name, extension included
    int fileFormat;
    PresentationDocument document; // what the readers should show
    // Makes the file at the path; none: the writer stores the document.
    std::function<void(const std::string& path)> make;
};

std::vector<WrittenFile> ReaderCases();
// The same presentations as .pptx (format 24); templates left out.
std::vector<WrittenFile> OpenXmlReaderCases();
// Saves the file at path with the writer of its format.
void WriteCase(const WrittenFile& file, const std::string& path);
