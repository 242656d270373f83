// SPDX-License-Identifier: MIT
#pragma once

#include "DesignTemplateLoader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads design templates of both families for Presentation.ApplyTemplate,
// told apart by their first bytes rather than their names: a compound file
// is a PowerPoint 97-2003 template or presentation, a zip archive an Office
// Open XML one.
class CTemplateLoader : public IDesignTemplateLoader
{
public:
    std::shared_ptr<const DesignTemplate> Load(const std::string& fileName) override;

    // The design in a template file's bytes. Throws CTemplateError whose
    // message names fileName and what is wrong.
    static std::shared_ptr<const DesignTemplate> ReadDesign(const std::vector<std::uint8_t>& bytes,
                                                            const std::string& fileName);
};
