// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Whether records of this type hold other records. Version 0xF alone does not
// say so: PowerPoint 2007 writes some atoms (RoundTripCustomTableStyles12Atom
// among them) with that version, and their payload is no list of records.
// Types that neither the presentation format nor the drawing format defines
// as containers are read as opaque atoms, which is all a copier needs.
bool IsContainerType(std::uint16_t type);
