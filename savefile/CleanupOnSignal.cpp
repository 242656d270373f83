// SPDX-License-Identifier: MIT
#include "CleanupOnSignal.h"

#include "BlockedSignals.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Entry
{
    volatile sig_atomic_t inUse = 0;
    int folderFd = -1;
    dev_t device = 0;
    ino_t inode = 0;
    char name[NAME_MAX + 1] = {};
};

// A handful of saves run at once at most; a save beyond that goes unguarded.
std::array<Entry, 16> g_entries;

void SignalHandler(int signalNumber)
{
    const int savedErrno = errno;
    CleanupOnSignal::RemoveRemembered();
    // End the program as the signal would have without us: the default action
    // takes over and the signal, held back while this handler runs, follows.
    std::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
    errno = savedErrno;
}

} // namespace

namespace CleanupOnSignal {

int Remember(int folderFd, const char* name, dev_t device, ino_t inode) noexcept
{
    if (std::strlen(name) > NAME_MAX)
        return -1;
    const CBlockedSignals blocked;
    for (std::size_t slot = 0; slot < g_entries.size(); ++slot) {
        Entry& entry = g_entries[slot];
        if (entry.inUse != 0)
            continue;
        entry.folderFd = folderFd;
        entry.device = device;
        entry.inode = inode;
        std::strcpy(entry.name, name);
        entry.inUse = 1;
        return static_cast<int>(slot);
    }
    return -1;
}

void Forget(int slot) noexcept
{
    if (slot < 0 || static_cast<std::size_t>(slot) >= g_entries.size())
        return;
    const CBlockedSignals blocked;
    g_entries[static_cast<std::size_t>(slot)].inUse = 0;
}

void RemoveRemembered() noexcept
{
    // Only calls that are safe in a signal handler.
    for (Entry& entry : g_entries) {
        if (entry.inUse == 0)
            continue;
        struct stat status
        {};
        if (::fstatat(entry.folderFd, entry.name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            status.st_dev == entry.device && status.st_ino == entry.inode)
            ::unlinkat(entry.folderFd, entry.name, 0);
        entry.inUse = 0;
    }
}

void InstallHandlers() noexcept
{
    for (const int signalNumber : kHandledSignals) {
        struct sigaction current
        {};
        if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction action
        {};
        action.sa_handler = SignalHandler;
        sigemptyset(&action.sa_mask);
        for (const int other : kHandledSignals)
            sigaddset(&action.sa_mask, other);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

} // namespace CleanupOnSignal
