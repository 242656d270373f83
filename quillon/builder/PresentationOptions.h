// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The file format a presentation is saved in.
enum class PresentationFormat
{
    Ppt,  // PowerPoint 97-2003
    Pptx, // Office Open XML
};

// ".ppt" or ".pptx".
inline const char* FileExtension(PresentationFormat format) noexcept
{
    return format == PresentationFormat::Pptx ? ".pptx" : ".ppt";
}

// The seven user options that steer a build. A flag is off at 0 and on for
// any other value; values are kept as stored so that a flag stored as 5
// goes back as 5. (`template` is a keyword, hence the m_ prefix throughout.)
struct PresentationOptions
{
    std::int32_t m_overwrite = 0;
    std::int32_t m_leave = 1;
    std::string m_saveFolder;
    std::int32_t m_save = 0;
    std::int32_t m_close = 0;
    std::string m_templateFile;
    std::int32_t m_template = 1;
    // Stored beside the seven options; chosen in the options dialog or on the
    // command line.
    PresentationFormat m_format = PresentationFormat::Ppt;
};
