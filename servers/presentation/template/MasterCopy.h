// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"

#include <cstdint>
#include <vector>

// A master's container as the output takes it: byte for byte, except for
// references into the document's lists of embedded objects, hyperlinks and
// sounds, which a presentation built around the master does not carry. An
// OLE frame keeps its preview picture; a shape or text run loses its click
// action. Lengths of the containers around a removed record shrink with it.
std::vector<std::uint8_t> CopyMaster(const CRecordReader& reader, const RecordNode& master);
