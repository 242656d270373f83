// SPDX-License-Identifier: MIT
#pragma once

#include "DesignTemplateLoader.h"
#include "TemplateFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads PowerPoint 97-2003 design templates (.pot) and presentations (.ppt),
// whichever program wrote them, for Presentation.ApplyTemplate.
class CPotTemplateLoader : public IDesignTemplateLoader
{
public:
    std::shared_ptr<const DesignTemplate> Load(const std::string& fileName) override;

    // The design in a template file's bytes. Throws CTemplateError whose
    // message names fileName and what is wrong.
    static std::shared_ptr<const TemplateDesign> ReadDesign(const std::vector<std::uint8_t>& bytes,
                                                            const std::string& fileName);

    static constexpr std::uintmax_t kMaxFileSize = kMaxTemplateFileSize;
};
