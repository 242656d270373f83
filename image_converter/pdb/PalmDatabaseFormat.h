// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// The layout of a Palm OS record database as the install tool and the
// handheld read it. Every integer in the file is unsigned and big-endian.
namespace PalmDb {

inline constexpr std::size_t kHeaderSize = 78;
inline constexpr std::size_t kRecordEntrySize = 8;

// Header fields, by offset from the start of the file.
inline constexpr std::size_t kNameOffset = 0;
inline constexpr std::size_t kNameFieldSize = 32;
inline constexpr std::size_t kAttributesOffset = 32;
inline constexpr std::size_t kVersionOffset = 34;
inline constexpr std::size_t kCreationDateOffset = 36;
inline constexpr std::size_t kModificationDateOffset = 40;
inline constexpr std::size_t kBackupDateOffset = 44;
inline constexpr std::size_t kModificationNumberOffset = 48;
inline constexpr std::size_t kAppInfoOffset = 52;
inline constexpr std::size_t kSortInfoOffset = 56;
inline constexpr std::size_t kTypeOffset = 60;
inline constexpr std::size_t kCreatorOffset = 64;
inline constexpr std::size_t kUniqueIdSeedOffset = 68;
inline constexpr std::size_t kNextRecordListOffset = 72;
inline constexpr std::size_t kRecordCountOffset = 76;

// A record list entry: the record's offset in the file, then one attribute
// byte and a three-byte unique id, both left zero.
inline constexpr std::size_t kEntryDataOffset = 0;

// The bundle flag: the install tool copies the database as it is.
inline constexpr std::uint16_t kBundleAttribute = 0x0800;
// Type and creator under which the handheld's image viewer finds its images.
inline constexpr char kImageType[] = "Wall";
inline constexpr char kImageCreator[] = "Actn";
inline constexpr std::size_t kFourCharCodeSize = 4;

// The name field holds at most this many bytes before its terminating zero.
inline constexpr std::size_t kMaxNameLength = kNameFieldSize - 1;

inline constexpr std::size_t kMaxRecordSize = 65000;
inline constexpr std::size_t kMaxRecordCount = 1000;
inline constexpr std::size_t kMaxImageSize = kMaxRecordSize * kMaxRecordCount;
inline constexpr std::size_t kMaxHeaderBlockSize = kHeaderSize + kRecordEntrySize * kMaxRecordCount;

// Seconds from 1904-01-01, where the handheld's clock starts, to 1970-01-01.
inline constexpr std::int64_t kEpochDifference = 2082844800;

// An empty image still gets one (empty) record; a size that is a multiple of
// the record size gets no empty last record.
constexpr std::size_t RecordCount(std::size_t imageSize)
{
    return imageSize == 0 ? 1 : (imageSize + kMaxRecordSize - 1) / kMaxRecordSize;
}

// The first record starts right after the record list, with no filler.
constexpr std::size_t FirstRecordOffset(std::size_t recordCount)
{
    return kHeaderSize + kRecordEntrySize * recordCount;
}

// The date fields hold the low 32 bits of the seconds since 1904, in UTC.
constexpr std::uint32_t PalmDate(std::int64_t unixSeconds)
{
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(unixSeconds + kEpochDifference));
}

} // namespace PalmDb
