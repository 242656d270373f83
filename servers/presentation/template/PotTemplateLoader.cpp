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
        const auto document = file.ReadStream(kDocumentStreamName);
        if (!document)
            Fail(fileName, "it holds no PowerPoint presentation");
        const CTemplateReader reader(*document, file.ReadStream(kCurrentUserStreamName));
        auto pictures = file.ReadStream(kPicturesStreamName);
        return std::make_shared<const TemplateDesign>(
            reader.Read(pictures ? std::move(*pictures) : std::vector<std::uint8_t>{}));
    } catch (const CTemplateError&) {
        throw;
    } catch (const CTemplateFormatError& error) {
        Fail(fileName, error.what());
    } catch (const std::runtime_error& error) {
        Fail(fileName, std::string("the file is damaged (") + error.what() + ")");
    }
}
