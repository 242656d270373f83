// SPDX-License-Identifier: MIT
#pragma once

#include "DocumentSummary.h"

#include <optional>

struct _GsfInfile;
struct _GsfOutfile;

// The document properties in a compound file, written and read through
// libgsf's property-set code rather than a serializer of our own.
namespace SummaryStreams {

// Adds both property-set streams to the file; throws std::runtime_error when
// libgsf cannot write them.
void Write(_GsfOutfile* file, const DocumentSummary& summary);
// The properties of both streams; nothing when the file has neither.
std::optional<DocumentSummary> Read(_GsfInfile* file);

} // namespace SummaryStreams
