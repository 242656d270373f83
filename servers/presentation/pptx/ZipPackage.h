// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

struct zip;

// A part made a piece at a time, for parts too large to hold whole.
class IPartPieces
{
public:
    virtual ~IPartPieces() = default;
    // Sets piece to the next piece; false once the part is complete.
    virtual bool Next(std::string& piece) = 0;
};

// A zip archive being written through libzip. Each part is added with the
// function that makes its bytes; libzip calls it only when it reaches that
// part while writing the archive, and the bytes are let go as soon as they
// are compressed, so no more than one part is held in memory at a time.
// The archive goes straight to a descriptor the caller owns (a safe file's),
// not to a temporary file of libzip's own.
class CZipPackage
{
public:
    using PartMaker = std::function<std::string()>;
    using PiecesMaker = std::function<std::unique_ptr<IPartPieces>()>;

    // Starts an empty archive to be written to fd from its start; fd must
    // stay open until Close. Throws std::runtime_error.
    explicit CZipPackage(int fd);
    ~CZipPackage();
    CZipPackage(const CZipPackage&) = delete;
    CZipPackage& operator=(const CZipPackage&) = delete;

    // Parts are stored in the order they are added.
    void AddPart(const std::string& name, PartMaker make);
    // A part streamed a piece at a time: its pieces are made twice, once to
    // learn the part's size (so no entry needs ZIP64) and once to write them,
    // and no more than one piece is held at a time.
    void AddPart(const std::string& name, PiecesMaker make);
    // Writes the archive. Throws std::runtime_error with libzip's reason, or
    // the exception a part maker threw.
    void Close();

private:
    struct PartSource;
    struct DescriptorTarget;

    void AddSource(const std::string& name, std::unique_ptr<PartSource> part);

    std::unique_ptr<DescriptorTarget> m_target;
    zip* m_archive = nullptr;
    std::exception_ptr m_partFailure;
};
