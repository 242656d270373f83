// SPDX-License-Identifier: MIT
#include "CompoundFileWriter.h"

#include "ByteSink.h"
#include "GsfHandle.h"
#include "SinkOutput.h"
#include "SummaryStreams.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-utils.h>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace {

void InitLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

} // namespace

CCompoundFileWriter::CCompoundFileWriter()
{
    InitLibrary();
}

void CCompoundFileWriter::SetRootClassId(const std::uint8_t (&classId)[16])
{
    m_classId.assign(std::begin(classId), std::end(classId));
}

void CCompoundFileWriter::AddStream(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    m_streams.push_back({name, &bytes, {}});
}

void CCompoundFileWriter::AddStream(const std::string& name, std::vector<std::uint8_t>&& bytes)
{
    m_streams.push_back({name, nullptr, std::move(bytes)});
}

std::vector<std::uint8_t> CCompoundFileWriter::Finish() const
{
    CMemorySink sink;
    Finish(sink);
    return sink.Take();
}

void CCompoundFileWriter::Finish(IByteSink& out) const
{
    // Declared first: the container writes into it until it is destroyed.
    const CSinkOutput sink(out);
    GsfHandle<GsfOutfile> file(gsf_outfile_msole_new(sink.Output()));
    if (!file)
        throw std::runtime_error("cannot create the compound file");
    if (!m_classId.empty() &&
        !gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(file.get()), m_classId.data()))
        throw std::runtime_error("cannot set the compound file's class id");
    if (m_summary)
        SummaryStreams::Write(file.get(), *m_summary);

    for (const Stream& stream : m_streams) {
        GsfHandle<GsfOutput> child(gsf_outfile_new_child(file.get(), stream.name.c_str(), FALSE));
        const std::vector<std::uint8_t>& bytes = stream.Bytes();
        const bool written = child && gsf_output_write(child.get(), bytes.size(), bytes.data()) &&
                             gsf_output_close(child.get());
        sink.RethrowFailure();
        if (!written)
            throw std::runtime_error("cannot write the stream \"" + stream.name + "\"");
    }
    const bool closed = gsf_output_close(GSF_OUTPUT(file.get()));
    sink.RethrowFailure();
    if (!closed)
        throw std::runtime_error("cannot finish the compound file");
}
