// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A part made a piece at a time, for parts too large to hold whole.
class IPartPieces
{
public:
    virtual ~IPartPieces() = default;
    // Sets piece to the next piece; false once the part is complete.
    virtual bool Next(std::string& piece) = 0;
};

// A zip archive written through minizip, a part at a time: each part is
// compressed and written as it is added and then let go, so what the archive
// holds in memory is its central directory (about 80 bytes a part), not the
// parts or any state of theirs. The archive goes straight to a descriptor
// the caller owns (a safe file's), from its start.
class CZipPackage
{
public:
    // Starts an empty archive on fd; fd must stay open until Close. Throws
    // std::runtime_error.
    explicit CZipPackage(int fd);
    // An archive not closed is abandoned: nothing more reaches the descriptor.
    ~CZipPackage();
    CZipPackage(const CZipPackage&) = delete;
    CZipPackage& operator=(const CZipPackage&) = delete;

    // Parts are stored in the order they are added. Both throw
    // std::runtime_error with the reason a write failed, or what pieces threw.
    void AddPart(const std::string& name, std::string_view bytes);
    // No more than one piece is held at a time.
    void AddPart(const std::string& name, IPartPieces& pieces);
    // Writes the central directory and what is still buffered.
    void Close();

    // A part's size is kept to 32 bits, so no entry needs ZIP64 fields.
    static constexpr std::uint64_t kMaxPartBytes = 0xFFFFFFFEu;

private:
    struct DescriptorTarget;

    void BeginPart(const std::string& name);
    void WriteToPart(std::string_view bytes);
    void EndPart();
    [[noreturn]] void Fail(const std::string& what);

    std::unique_ptr<DescriptorTarget> m_target;
    void* m_archive = nullptr; // minizip's zipFile
    std::uint64_t m_partBytes = 0;
    std::uint32_t m_dosTime = 0;
};
