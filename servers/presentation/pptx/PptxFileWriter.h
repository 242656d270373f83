// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"
#include "PresentationFileWriter.h"

#include <string>

// Saves presentations as Office Open XML packages (.pptx), format 24. Each
// part is made as the package is written, straight into a safe file
// that replaces the target only when complete, as the .ppt writer saves.
class CPptxFileWriter : public IPresentationFileWriter
{
public:
    static constexpr int kFormatOpenXmlPresentation = 24;
    // A design template (.potx), as PowerPoint numbers it.
    static constexpr int kFormatOpenXmlTemplate = 26;

    // Without an applied template, the master, layouts and theme are
    // written from design.
    explicit CPptxFileWriter(DesignDescription design = {}) : m_design(std::move(design)) {}

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override;

    // Writes the package to fd from its start, without the care for an
    // existing file that Write takes. Throws std::exception.
    static void WritePackage(const PresentationDocument& document, int fd,
                             const DesignDescription& description = {},
                             int fileFormat = kFormatOpenXmlPresentation);

private:
    DesignDescription m_design;
};
