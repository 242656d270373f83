// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// What a file manager or an office program shows as a document's properties.
// Stored as the two OLE property-set streams "\005SummaryInformation" (title,
// author, program, times) and "\005DocumentSummaryInformation" (slide count).
struct DocumentSummary
{
    std::string title;        // UTF-8
    std::string author;       // also the last one to save it
    std::string application;  // the program that wrote the file
    std::int64_t created = 0; // seconds since 1970, UTC
    std::int64_t saved = 0;
    int slideCount = 0;

    bool operator==(const DocumentSummary&) const = default;
};
