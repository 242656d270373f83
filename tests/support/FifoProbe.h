// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <fcntl.h>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Whether call returns within a few seconds when the file it reads is a
// named pipe that nobody writes. Code that waits for a writer is released
// afterwards by opening and closing the pipe's writing end, so a test of such
// code fails instead of hanging.
template <typename Call> bool ReturnsPromptlyOnAPipe(const std::string& path, Call call)
{
    if (::mkfifo(path.c_str(), 0600) != 0)
        return false;
    auto done = std::async(std::launch::async, call);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0)
        ::close(writer);
    done.wait();
    return false;
}
