// SPDX-License-Identifier: MIT
#include "NameClaim.h"

#include "BlockedSignals.h"
#include "CleanupOnSignal.h"
#include "FolderAndName.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// What a live claim holds: the folder stays open so the clean-up can find
// the entry, and the empty file stays open so its inode cannot be reused by
// another file while we compare against it.
struct ClaimRecord
{
    int folderFd = -1;
    int fileFd = -1;
    std::string name;
    dev_t device = 0;
    ino_t inode = 0;
    int cleanupSlot = -1;
};

std::mutex g_mutex;
std::map<std::string, ClaimRecord> g_claims;

void Close(ClaimRecord& claim)
{
    CleanupOnSignal::Forget(claim.cleanupSlot);
    ::close(claim.fileFd);
    ::close(claim.folderFd);
}

} // namespace

namespace NameClaim {

Result Claim(const std::string& path)
{
    auto [folder, name] = FolderAndName(path);
    ClaimRecord claim;
    claim.folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (claim.folderFd < 0)
        return Result::NotClaimed;
    {
        const CBlockedSignals blocked;
        claim.fileFd = ::openat(claim.folderFd, name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (claim.fileFd >= 0) {
            struct stat status
            {};
            ::fstat(claim.fileFd, &status);
            claim.device = status.st_dev;
            claim.inode = status.st_ino;
            claim.cleanupSlot =
                CleanupOnSignal::Remember(claim.folderFd, name.c_str(), claim.device, claim.inode);
        }
    }
    if (claim.fileFd < 0) {
        const int error = errno;
        ::close(claim.folderFd);
        return error == EEXIST ? Result::Taken : Result::NotClaimed;
    }
    claim.name = std::move(name);
    const std::lock_guard lock(g_mutex);
    auto [old, inserted] = g_claims.try_emplace(path, claim);
    if (!inserted) {
        Close(old->second);
        old->second = claim;
    }
    return Result::Claimed;
}

void End(const std::string& path, bool saved)
{
    const std::lock_guard lock(g_mutex);
    const auto found = g_claims.find(path);
    if (found == g_claims.end())
        return;
    ClaimRecord& claim = found->second;
    if (!saved) {
        const CBlockedSignals blocked;
        struct stat status
        {};
        if (::fstatat(claim.folderFd, claim.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            status.st_dev == claim.device && status.st_ino == claim.inode)
            ::unlinkat(claim.folderFd, claim.name.c_str(), 0);
    }
    Close(claim);
    g_claims.erase(found);
}

} // namespace NameClaim
