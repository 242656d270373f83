// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationFileWriter.h"

#include <string>

// Saves presentations as Office Open XML packages (.pptx), format 24. Each
// part is made while libzip writes the package, straight into a safe file
// that replaces the target only when complete, as the .ppt writer saves.
class CPptxFileWriter : public IPresentationFileWriter
{
public:
    static constexpr int kFormatOpenXmlPresentation = 24;

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override;

    // Writes the package to fd from its start, without the care for an
    // existing file that Write takes. Throws std::exception.
    static void WritePackage(const PresentationDocument& document, int fd);
};
