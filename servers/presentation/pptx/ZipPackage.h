// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

struct zip;

// A zip archive being written through libzip. Each part is added with the
// function that makes its bytes; libzip calls it only when it reaches that
// part while writing the archive, and the bytes are let go as soon as they
// are compressed, so no more than one part is held in memory at a time.
class CZipPackage
{
public:
    using PartMaker = std::function<std::string()>;

    // Creates (or truncates) the archive at path. Throws std::runtime_error.
    explicit CZipPackage(const std::string& path);
    ~CZipPackage();
    CZipPackage(const CZipPackage&) = delete;
    CZipPackage& operator=(const CZipPackage&) = delete;

    // Parts are stored in the order they are added.
    void AddPart(const std::string& name, PartMaker make);
    // Writes the archive. Throws std::runtime_error with libzip's reason, or
    // the exception a part maker threw.
    void Close();

private:
    struct PartSource;

    zip* m_archive = nullptr;
    std::string m_path;
    std::exception_ptr m_partFailure;
};
