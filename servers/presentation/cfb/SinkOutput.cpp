// SPDX-License-Identifier: MIT
#include "SinkOutput.h"

#include "ByteSink.h"

#include <cstddef>
#include <new>

// The GObject side: a GsfOutput that knows its CSinkOutput.
struct SinkOutputInstance
{
    GsfOutput base;
    CSinkOutput* owner;
};

struct SinkOutputClass
{
    GsfOutputClass base;
};

struct SinkOutputAccess
{
    static gboolean Write(GsfOutput* output, std::size_t size, const guint8* data);
};

namespace {

// libgsf keeps the position and the size; a write goes where the position
// is, either at the end or over bytes already written.
gboolean Seek(GsfOutput* /*output*/, gsf_off_t /*offset*/, GSeekType /*whence*/)
{
    return TRUE;
}

gboolean Close(GsfOutput* /*output*/)
{
    return TRUE;
}

void InitClass(gpointer klass, gpointer /*data*/)
{
    auto* outputClass = static_cast<GsfOutputClass*>(klass);
    outputClass->Write = SinkOutputAccess::Write;
    outputClass->Seek = Seek;
    outputClass->Close = Close;
}

GType SinkOutputType()
{
    static const GType type = g_type_register_static_simple(
        GSF_OUTPUT_TYPE, "QuillonSinkOutput", sizeof(SinkOutputClass), InitClass,
        sizeof(SinkOutputInstance), nullptr, static_cast<GTypeFlags>(0));
    return type;
}

} // namespace

gboolean SinkOutputAccess::Write(GsfOutput* output, std::size_t size, const guint8* data)
{
    CSinkOutput& self = *reinterpret_cast<SinkOutputInstance*>(output)->owner;
    if (self.m_failure || output->cur_offset < 0 || output->cur_offset > output->cur_size)
        return FALSE;
    const auto at = static_cast<std::size_t>(output->cur_offset);
    const auto end = static_cast<std::size_t>(output->cur_size);
    if (at < end && size > end - at)
        return FALSE;
    try {
        if (at == end)
            self.m_sink.Write(data, size);
        else
            self.m_sink.Rewrite(at, data, size);
    } catch (...) {
        self.m_failure = std::current_exception();
        return FALSE;
    }
    return TRUE;
}

CSinkOutput::CSinkOutput(IByteSink& sink)
    : m_sink(sink), m_output(static_cast<GsfOutput*>(g_object_new(SinkOutputType(), nullptr)))
{
    reinterpret_cast<SinkOutputInstance*>(m_output.get())->owner = this;
}

void CSinkOutput::RethrowFailure() const
{
    if (m_failure)
        std::rethrow_exception(m_failure);
}
