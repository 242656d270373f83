// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>

// Reads one note for the command line: a file, a pipe, a process
// substitution or standard input, never more than kMaxNoteBytes.
class CNoteReader
{
public:
    // The note's bytes, or false with the reason in error ("it is a folder",
    // "it is larger than ...", the system's description).
    bool ReadFile(const std::string& path, std::string& text, std::string& error);
    bool ReadStream(std::istream& in, std::string& text, std::string& error);

private:
    bool ReadBounded(std::istream& in, std::size_t expected, std::string& text, std::string& error);
};
