// SPDX-License-Identifier: MIT
#include "RecordInventory.h"

#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "RecordDump.h"
#include "RecordReader.h"

#include <cstdio>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

// Record types whose instance says which of several lists or styles it is,
// rather than counting or numbering something.
bool InstanceNamesIt(std::uint16_t type)
{
    switch (static_cast<RecordType>(type)) {
    case RecordType::SlideListWithText:
    case RecordType::TextMasterStyleAtom:
    case RecordType::HeadersFooters:
    case RecordType::CString:
    case RecordType::ColorSchemeAtom:
    case RecordType::SlideViewInfo:
        return true;
    default:
        return false;
    }
}

std::string NameOf(const RecordNode& node)
{
    std::string name = CRecordDump::RecordName(node.type);
    if (name == "Unknown") {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%04X", node.type);
        name = hex;
    }
    if (InstanceNamesIt(node.type))
        name += "[" + std::to_string(node.instance) + "]";
    return name;
}

class CPathList
{
public:
    void Add(const std::string& path)
    {
        if (m_seen.insert(path).second)
            m_paths.push_back(path);
    }
    void Walk(const RecordNode& node, const std::string& parent)
    {
        const std::string path = parent.empty() ? NameOf(node) : parent + "/" + NameOf(node);
        Add(path);
        for (const RecordNode& child : node.children)
            Walk(child, path);
    }
    std::vector<std::string> Take() { return std::move(m_paths); }

private:
    std::set<std::string> m_seen;
    std::vector<std::string> m_paths;
};

} // namespace

std::vector<std::string> CRecordInventory::Of(const CCompoundFileReader& file)
{
    CPathList paths;
    for (const std::string& name : file.StreamNames()) {
        std::string printable;
        for (char c : name)
            printable += (c >= 0 && c < 0x20) ? "\\" + std::to_string(c) : std::string(1, c);
        paths.Add("stream " + printable);
    }
    const auto stream = file.ReadStream(kDocumentStreamName);
    if (!stream)
        throw std::runtime_error("no PowerPoint 97-2003 document stream");
    for (const RecordNode& node : CRecordReader(*stream).ReadAll())
        paths.Walk(node, {});
    return paths.Take();
}

void CRecordInventory::Add(const std::vector<std::string>& paths)
{
    ++m_files;
    for (const std::string& path : paths) {
        if (m_counts[path]++ == 0)
            m_order.push_back(path);
    }
}

std::vector<std::pair<std::string, std::size_t>> CRecordInventory::Counts() const
{
    std::vector<std::pair<std::string, std::size_t>> counts;
    for (const std::string& path : m_order)
        counts.emplace_back(path, m_counts.at(path));
    return counts;
}
