// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for. Notes are file paths; "-" is standard input.
struct CommandLineOptions
{
    std::vector<std::string> notes;
    std::string saveFolder; // empty: the current folder
    bool overwrite = false;
    bool openXml = false; // --format pptx
    bool applyTemplate = true;
    std::optional<std::string> templateFile; // nothing: the shipped default
    bool open = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

struct ParsedCommandLine
{
    std::optional<CommandLineOptions> options; // nothing: a usage error
    std::string error;
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kCommandLineUsage;
