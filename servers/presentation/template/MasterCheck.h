// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"

#include <optional>
#include <string>

// The parts a reader needs to show a master, which a template must hold for
// its masters to be copied whole. Each returns what is missing, in words for
// the user, or nothing when the part is whole.
namespace MasterCheck {

// A main master (main) or title master: its slide atom, colour scheme and
// drawing with its shape group, whose shape properties fit their records; a
// main master also its text styles.
std::optional<std::string> Master(const CRecordReader& reader, const RecordNode& master, bool main);

// The document's text environment: its fonts and the style of other text,
// which every master's text styles build on.
std::optional<std::string> Environment(const RecordNode* environment);

} // namespace MasterCheck
