// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"

// Whether a master's text formatting can be read as the format lays it out:
// every property run and style level ends where its record ends, and levels
// and text types stay in their ranges. A flipped mask bit shifts every field
// after it, and readers then index styles out of range.
namespace TextPropCheck {

bool MasterStyleWhole(const CRecordReader& reader, const RecordNode& style);

// The text records under node (a master or its drawing), recursively.
bool TextWhole(const CRecordReader& reader, const RecordNode& node);

} // namespace TextPropCheck
