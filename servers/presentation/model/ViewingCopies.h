// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

// Copies of unsaved presentations, made for the desktop's viewer: each in a
// folder of its own under the temporary folder, named as the client calls
// the presentation, so the viewer's title and any message show that name.
// The viewer may take its time to read a copy and nothing says when it is
// done, so copies are not removed when handed over; a copy older than any
// viewer could still need is removed when a later copy is made.
namespace ViewingCopies {

inline constexpr std::chrono::hours kKeptFor{24};

// A file name for the copy: the wanted name, made safe as one name of a
// folder, or "Presentation.ppt" when nothing of it is left.
std::string FileName(std::string_view wanted);

// Makes a new private folder for one copy under parent. Throws
// std::runtime_error when none can be made.
std::filesystem::path MakeFolder(const std::filesystem::path& parent);

// Removes the copies' folders in parent that this user made and that were
// last changed longer ago than age; anything else is left alone. Gives how
// many were removed.
int RemoveStale(const std::filesystem::path& parent, std::chrono::seconds age = kKeptFor);

} // namespace ViewingCopies
