// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class CCompoundFileReader;
struct RecordNode;

// Which kinds of record a file holds, so that what PowerPoint writes and what
// we write can be compared: each record is named by its path of record names
// from the top of the document stream ("Document/Environment/Kinsoku"), with
// the instance where it tells lists apart ("SlideListWithText[1]"); the
// streams of the compound file count as "stream NAME".
class CRecordInventory
{
public:
    // Each path once, in stream order, then tree order. Throws
    // std::runtime_error when the file has no readable document stream.
    static std::vector<std::string> Of(const CCompoundFileReader& file);

    // Adds one file's inventory to a survey of many.
    void Add(const std::vector<std::string>& paths);
    std::size_t FileCount() const { return m_files; }
    // Each path with the number of files that hold it, in the order the
    // paths were first met (stream order, then tree order).
    std::vector<std::pair<std::string, std::size_t>> Counts() const;

private:
    std::size_t m_files = 0;
    std::map<std::string, std::size_t> m_counts;
    std::vector<std::string> m_order;
};
