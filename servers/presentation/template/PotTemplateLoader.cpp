#include "PotTemplateLoader.h"

#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "TemplateReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kCompoundFileSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

[[noreturn]] void Fail(const std::string& fileName, const std::string& reason)
{
    throw CTemplateError("Cannot apply the template \"" + fileName + "\": " + reason + ".");
}

std::vector<std::uint8_t> ReadFile(const std::string& fileName)
{
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (status.type() == fs::file_type::not_found)
        Fail(fileName, "the file does not exist");
    if (error)
        Fail(fileName, error.message());
    if (fs::is_directory(status))
        Fail(fileName, "it is a folder");
    const std::uintmax_t size = fs::file_size(fileName, error);
    if (!error && size > CPotTemplateLoader::kMaxFileSize)
        Fail(fileName, "it is larger than any design template (over 64 MB)");
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        Fail(fileName, std::string("it cannot be opened: ") + std::strerror(errno));
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
    if (file.bad())
        Fail(fileName, "it cannot be read");
    return bytes;
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
    const std::uint32_t length =
        user[0] | (user[1] << 8) | (user[2] << 16) | (static_cast<std::uint32_t>(user[3]) << 24);
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
    loaded->design = ReadDesign(ReadFile(fileName), fileName);
    return loaded;
}

std::shared_ptr<const TemplateDesign>
CPotTemplateLoader::ReadDesign(const std::vector<std::uint8_t>& bytes, const std::string& fileName)
{
    if (bytes.size() > kMaxFileSize)
        Fail(fileName, "it is larger than any design template (over 64 MB)");
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
