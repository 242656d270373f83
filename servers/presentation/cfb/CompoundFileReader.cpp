// SPDX-License-Identifier: MIT
#include "CompoundFileReader.h"

#include "GsfHandle.h"
#include "GsfLogFilter.h"
#include "SummaryStreams.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>
#include <stdexcept>

CCompoundFileReader::CCompoundFileReader(const std::string& path)
{
    const CGsfLogScope quiet;
    gsf_init();
    GError* rawError = nullptr;
    GsfInput* input = gsf_input_stdio_new(path.c_str(), &rawError);
    GErrorHandle error(rawError);
    if (!input)
        throw std::runtime_error("cannot open \"" + path +
                                 "\": " + (error ? error->message : "unknown error"));
    Open(input, "\"" + path + "\"");
}

CCompoundFileReader::CCompoundFileReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes)
{
    const CGsfLogScope quiet;
    gsf_init();
    GsfInput* input =
        gsf_input_memory_new(m_bytes.data(), static_cast<gsf_off_t>(m_bytes.size()), FALSE);
    Open(input, "the data");
}

CCompoundFileReader::~CCompoundFileReader()
{
    if (m_file)
        g_object_unref(m_file);
}

void CCompoundFileReader::Open(GsfInput* rawInput, const std::string& what)
{
    GsfHandle<GsfInput> input(rawInput);
    GError* rawError = nullptr;
    m_file = gsf_infile_msole_new(input.get(), &rawError);
    GErrorHandle error(rawError);
    if (!m_file)
        throw std::runtime_error(
            what + " is not a compound file: " + (error ? error->message : "unknown error"));
}

std::vector<std::string> CCompoundFileReader::StreamNames() const
{
    const CGsfLogScope quiet;
    std::vector<std::string> names;
    const int count = gsf_infile_num_children(m_file);
    for (int i = 0; i < count; ++i)
        names.emplace_back(gsf_infile_name_by_index(m_file, i));
    return names;
}

namespace {

// Whether the storage lists the name, readable or not.
bool HasChild(GsfInfile* storage, const std::string& name)
{
    const int count = gsf_infile_num_children(storage);
    for (int i = 0; i < count; ++i) {
        const char* child = gsf_infile_name_by_index(storage, i);
        if (child != nullptr && name == child)
            return true;
    }
    return false;
}

} // namespace

std::optional<std::vector<std::uint8_t>>
CCompoundFileReader::ReadStream(const std::string& name) const
{
    const CGsfLogScope quiet;
    // Storages are walked down by the path's parts; names never hold a "/".
    GsfHandle<GsfInput> stream(GSF_INPUT(g_object_ref(m_file)));
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = name.find('/', start);
        const std::string part = name.substr(start, slash - start);
        if (!GSF_IS_INFILE(stream.get()))
            return std::nullopt;
        GsfInfile* parent = GSF_INFILE(stream.get());
        GsfInput* child = gsf_infile_child_by_name(parent, part.c_str());
        if (!child && HasChild(parent, part))
            throw std::runtime_error("the stream \"" + name + "\" cannot be read");
        stream.reset(child);
        if (!stream)
            return std::nullopt;
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    if (GSF_IS_INFILE(stream.get()) && gsf_infile_num_children(GSF_INFILE(stream.get())) >= 0)
        return std::nullopt; // a storage, not a stream
    const auto size = static_cast<std::size_t>(gsf_input_size(stream.get()));
    std::vector<std::uint8_t> bytes(size);
    if (size > 0 && !gsf_input_read(stream.get(), size, bytes.data()))
        throw std::runtime_error("cannot read the stream \"" + name + "\"");
    return bytes;
}

std::optional<DocumentSummary> CCompoundFileReader::ReadSummary() const
{
    return SummaryStreams::Read(m_file);
}
