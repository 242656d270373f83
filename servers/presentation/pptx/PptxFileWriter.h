// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationFileWriter.h"

#include <string>

// Saves presentations as Office Open XML packages (.pptx), format 24. Each
// part is made while libzip writes the package, into a temporary file beside
// the target that replaces it only when complete.
class CPptxFileWriter : public IPresentationFileWriter
{
public:
    static constexpr int kFormatOpenXmlPresentation = 24;

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override;

    // Writes the package to path as it stands, without the care for an
    // existing file that Write takes. Throws std::exception.
    static void WritePackage(const PresentationDocument& document, const std::string& path);
};
