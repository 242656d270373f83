// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

// Files that must not outlive an interrupted save: a temporary file that has a
// name, and the empty file that claims a free name until the save fills it.
// Ctrl-C, SIGTERM and SIGHUP remove them before the program ends as the
// signal says. Everything here may run inside a signal handler's reach, so
// entries live in a fixed table and are changed with those signals blocked.
namespace CleanupOnSignal {

// Removes the entry named name in the folder open as folderFd when a signal
// ends the program, but only while it is still the file device/inode, so a
// file that replaced it meanwhile is never removed. The caller keeps
// folderFd open until Forget. Gives a slot, or -1 when the table is full
// (the save then works as before, without the clean-up).
int Remember(int folderFd, const char* name, dev_t device, ino_t inode) noexcept;
void Forget(int slot) noexcept;

// Installs the handler for every one of those signals whose action is still
// the default; a program calls it once at its start.
void InstallHandlers() noexcept;

// What the handler does before the program ends.
void RemoveRemembered() noexcept;

} // namespace CleanupOnSignal
