// SPDX-License-Identifier: MIT
#include "PalmDatabaseWriter.h"

#include "AtomicFileSink.h"
#include "BigEndian.h"
#include "DatabaseName.h"
#include "ImageFile.h"
#include "PalmDatabaseFormat.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kGifExtension = ".gif";

bool HasGifExtension(std::string_view path)
{
    if (path.size() < kGifExtension.size())
        return false;
    const std::string_view tail = path.substr(path.size() - kGifExtension.size());
    return std::equal(tail.begin(), tail.end(), kGifExtension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

// The input's path with "pdb" in place of "gif", whatever the case of that.
std::string DatabasePathFor(const std::string& inputPath)
{
    return inputPath.substr(0, inputPath.size() - 3) + "pdb";
}

void WriteFourCharCode(std::span<std::uint8_t> block, std::size_t position, const char* code)
{
    std::memcpy(block.data() + position, code, PalmDb::kFourCharCodeSize);
}

// Fills the zeroed block with the header and the record list and returns how
// many of its bytes they take, which is where the first record starts.
std::size_t BuildHeaderBlock(std::span<std::uint8_t> block, std::string_view name,
                             std::uint32_t date, std::size_t imageSize)
{
    using namespace PalmDb;
    std::memcpy(block.data() + kNameOffset, name.data(), name.size());
    WriteBigEndian16(block, kAttributesOffset, kBundleAttribute);
    WriteBigEndian32(block, kCreationDateOffset, date);
    WriteBigEndian32(block, kModificationDateOffset, date);
    WriteFourCharCode(block, kTypeOffset, kImageType);
    WriteFourCharCode(block, kCreatorOffset, kImageCreator);

    const std::size_t recordCount = RecordCount(imageSize);
    WriteBigEndian16(block, kRecordCountOffset, static_cast<std::uint16_t>(recordCount));
    // Every record but the last is full, so the offsets step by the record size.
    for (std::size_t i = 0; i < recordCount; ++i) {
        const std::size_t recordOffset = FirstRecordOffset(recordCount) + i * kMaxRecordSize;
        WriteBigEndian32(block, kHeaderSize + i * kRecordEntrySize + kEntryDataOffset,
                         static_cast<std::uint32_t>(recordOffset));
    }
    return FirstRecordOffset(recordCount);
}

} // namespace

CPalmDatabaseWriter::CPalmDatabaseWriter(const IClock& clock, SinkFactory openSink)
    : m_clock(clock), m_openSink(std::move(openSink))
{}

bool CPalmDatabaseWriter::ConvertGifToPdb(std::string inputPath, std::string& result) const
{
    if (!HasGifExtension(inputPath)) {
        result = "Was expecting a GIF file!";
        return false;
    }
    const std::string databasePath = DatabasePathFor(inputPath);
    CImageFile image;
    if (!image.Load(inputPath, result))
        return false;

    std::array<std::uint8_t, PalmDb::kMaxHeaderBlockSize> block{};
    const std::size_t blockSize =
        BuildHeaderBlock(block, MakeDatabaseName(inputPath),
                         PalmDb::PalmDate(m_clock.UnixSeconds()), image.Bytes().size());

    const std::unique_ptr<IByteSink> sink =
        m_openSink ? m_openSink(databasePath) : std::make_unique<CAtomicFileSink>(databasePath);
    sink->Write(std::span<const std::uint8_t>(block).first(blockSize));
    sink->Write(image.Bytes());
    if (!sink->Commit()) {
        result = sink->ErrorText();
        return false;
    }
    result = databasePath;
    return true;
}

bool ConvertGifToPdb(std::string inputPath, std::string& result)
{
    static const CSystemClock clock;
    return CPalmDatabaseWriter(clock).ConvertGifToPdb(std::move(inputPath), result);
}
