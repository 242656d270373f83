// SPDX-License-Identifier: MIT
#include "PotTemplateLoader.h"

#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "TemplateFile.h"
#include "TemplateReader.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

constexpr std::uint8_t kCompoundFileSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

constexpr const char* kTooLarge = "it is larger than any design template (over 64 MB)";

[[noreturn]] void Fail(const std::string& fileName, const std::string& reason)
{
    FailTemplate(fileName, reason);
}

// PowerPoint 97 saving "for PowerPoint 95 and 97" puts its own copy of the
// presentation into this storage, beside the older format's streams.
constexpr const char* kDualStoragePrefix = "PP97_DUALSTORAGE/";
// PowerPoint 4.0 keeps its presentation in this stream.
constexpr const char* kPowerPoint4StreamName = "PP40";

// PowerPoint 95 starts Current User with the length of what follows instead
// of a record header.
bool IsPowerPoint95CurrentUser(const std::vector<std::uint8_t>& user)
{
    if (user.size() < 4)
        return false;
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = (length << 8) | user[static_cast<std::size_t>(i)];
    return length == user.size() - 4;
}

struct PptParts
{
    std::optional<std::vector<std::uint8_t>> document;
    std::optional<std::vector<std::uint8_t>> currentUser;
    std::optional<std::vector<std::uint8_t>> pictures;
};

PptParts ReadParts(const CCompoundFileReader& file, const std::string& fileName)
{
    const std::string dual = kDualStoragePrefix;
    if (auto document = file.ReadStream(dual + kDocumentStreamName))
        return {std::move(document), file.ReadStream(dual + kCurrentUserStreamName),
                file.ReadStream(dual + kPicturesStreamName)};
    // Office keeps a password-protected file of either family as an
    // encrypted package inside a compound file.
    if (file.ReadStream("EncryptedPackage"))
        Fail(fileName, "it is protected by a password; save a copy without the password and "
                       "apply that");
    PptParts parts{file.ReadStream(kDocumentStreamName), file.ReadStream(kCurrentUserStreamName),
                   file.ReadStream(kPicturesStreamName)};
    if (file.ReadStream(kPowerPoint4StreamName) ||
        (parts.currentUser && IsPowerPoint95CurrentUser(*parts.currentUser)))
        Fail(fileName, "it was saved by PowerPoint 95 or older, whose format cannot be read");
    if (!parts.document)
        Fail(fileName, "it holds no PowerPoint presentation");
    return parts;
}

} // namespace

std::shared_ptr<const DesignTemplate> CPotTemplateLoader::Load(const std::string& fileName)
{
    auto loaded = std::make_shared<DesignTemplate>();
    loaded->fileName = fileName;
    loaded->design = ReadDesign(ReadTemplateFile(fileName), fileName);
    return loaded;
}

std::shared_ptr<const TemplateDesign>
CPotTemplateLoader::ReadDesign(const std::vector<std::uint8_t>& bytes, const std::string& fileName)
{
    if (bytes.size() > kMaxFileSize)
        Fail(fileName, kTooLarge);
    if (bytes.size() < sizeof kCompoundFileSignature ||
        !std::equal(std::begin(kCompoundFileSignature), std::end(kCompoundFileSignature),
                    bytes.begin()))
        Fail(fileName, "it is not a PowerPoint 97-2003 template or presentation");
    try {
        const CCompoundFileReader file(bytes);
        PptParts parts = ReadParts(file, fileName);
        const CTemplateReader reader(*parts.document, parts.currentUser);
        return std::make_shared<const TemplateDesign>(
            reader.Read(parts.pictures ? std::move(*parts.pictures) : std::vector<std::uint8_t>{}));
    } catch (const CTemplateError&) {
        throw;
    } catch (const CTemplateFormatError& error) {
        Fail(fileName, error.what());
    } catch (const std::runtime_error& error) {
        Fail(fileName, std::string("the file is damaged (") + error.what() + ")");
    }
}
