// SPDX-License-Identifier: MIT
#pragma once

#include "GsfHandle.h"

#include <exception>
#include <gsf/gsf-output.h>

class IByteSink;

// A libgsf output that passes what it is given on to a byte sink, so that a
// compound file goes straight into its file rather than through a copy of
// the whole file in memory. libgsf appends, and goes back only to fill in
// bytes it wrote before (the header); anything else is refused.
class CSinkOutput
{
public:
    explicit CSinkOutput(IByteSink& sink);
    CSinkOutput(const CSinkOutput&) = delete;
    CSinkOutput& operator=(const CSinkOutput&) = delete;

    GsfOutput* Output() const noexcept { return m_output.get(); }
    // Rethrows what the sink threw (out of memory, for one) while libgsf
    // wrote; libgsf itself only sees a failed write.
    void RethrowFailure() const;

private:
    friend struct SinkOutputAccess;

    IByteSink& m_sink;
    std::exception_ptr m_failure;
    GsfHandle<GsfOutput> m_output;
};
