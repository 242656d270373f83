// SPDX-License-Identifier: MIT
#include "FileReplacement.h"

#include "PresentationFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& path, const std::string& reason)
{
    throw CSaveError("Cannot save \"" + path + "\": " + reason + ".");
}

void CheckFolder(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        Fail(path, "the folder \"" + folder + "\" does not exist");
    if (error)
        Fail(path, error.message());
    if (!fs::is_directory(status))
        Fail(path, "\"" + folder + "\" is not a folder");
    if (fs::is_directory(fs::status(path, error)))
        Fail(path, "a folder of that name exists");
}

// A hidden name of our own beside the target, reserved with O_EXCL so that no
// file that exists is ever reused.
std::string ReserveTemporary(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const fs::path target(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + ".saving-" +
                                 std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const std::string temporary = (target.parent_path() / name).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return temporary;
        }
        if (errno != EEXIST)
            Fail(path, std::strerror(errno));
    }
    Fail(path, "no temporary file name is free");
}

} // namespace

void ReplaceFileWith(const std::string& path,
                     const std::function<void(const std::string& temporary)>& write)
{
    CheckFolder(path);
    const std::string temporary = ReserveTemporary(path);
    try {
        write(temporary);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        Fail(path, std::strerror(error));
    }
}
