// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

#include <stdexcept>
#include <string>

// A save that could not be completed. The message names the path and the
// reason, in words a user can act on.
class CSaveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Stores a presentation in a file. The object model saves through this seam,
// so its tests can stand in a writer of their own.
class IPresentationFileWriter
{
public:
    virtual ~IPresentationFileWriter() = default;

    // Writes the document to path in the given format (1: presentation,
    // 5: design template, 24: Open XML presentation). A file already at path
    // is replaced only once the new one is complete; on failure it is left as
    // it was. Throws CSaveError.
    virtual void Write(const PresentationDocument& document, const std::string& path,
                       int fileFormat) = 0;
};
