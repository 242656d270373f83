// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// The largest note any program reads: far above any note a person writes
// (a 4000-slide presentation of long bullets is under 10 MB), low enough that
// a mistaken input such as a device or a disk image is refused while it is
// read instead of filling the memory. Shown to users as "64 MiB".
inline constexpr std::size_t kMaxNoteBytes = std::size_t{64} << 20;
