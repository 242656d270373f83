// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <grp.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Permissions mean nothing to root, so a test of them runs its body in a
// child process as the user nobody when the suite runs as root (and in a
// plain child otherwise). The body's result is the child's exit status;
// paths the body writes must be writable by nobody (see kNobody).
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// Hands a path to nobody when we are root; true when nobody may use it then.
inline bool GiveToNobody(const std::string& path)
{
    return ::geteuid() != 0 || ::chown(path.c_str(), kNobody, kNoGroup) == 0;
}

inline int RunUnprivileged(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0))
            ::_exit(125);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
