// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"
#include "TemplateForFormat.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

struct CommandLineOptions;

// The command-line front end: builds, finishes and saves one presentation per
// note with the same builder as the GUI. Streams and the clock are passed in
// so that tests run it in-process.
class CCommandLine
{
public:
    using Clock = std::chrono::steady_clock;

    struct Environment
    {
        std::istream& in;
        std::ostream& out;
        std::ostream& err;
        const IFileSystem& fileSystem;
        // The shipped design in both formats, the default template of each.
        ShippedTemplates shippedTemplates;
        std::function<Clock::time_point()> now = [] {
            return Clock::now();
        };
    };

    explicit CCommandLine(Environment environment);

    // Returns the exit status: 0 all notes saved, 1 any not, 2 a usage error.
    int Run(const std::vector<std::string>& args);

private:
    bool BuildNote(const CommandLineOptions& options, const std::string& note);
    bool BuildReadNote(const CommandLineOptions& options, const std::string& note);
    // One line on the error stream, made safe for a terminal.
    int FinishOutput(int status);
    void Say(const std::string& label, const std::string& text);
    bool ReadNote(const std::string& note, std::string& text);
    void ReportProgress(std::size_t done, std::size_t total, Clock::time_point start, bool quiet);

    Environment m_environment;
};
