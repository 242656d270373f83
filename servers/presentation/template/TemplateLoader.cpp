// SPDX-License-Identifier: MIT
#include "TemplateLoader.h"

#include "PotTemplateLoader.h"
#include "PotxTemplateReader.h"
#include "TemplateFile.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::uint8_t kCompoundFileSignature[4] = {0xD0, 0xCF, 0x11, 0xE0};
// A local file header, or the end record of an empty archive.
constexpr std::uint8_t kZipSignature[2] = {'P', 'K'};

template <std::size_t N>
bool StartsWith(const std::vector<std::uint8_t>& bytes, const std::uint8_t (&signature)[N])
{
    return bytes.size() >= N &&
           std::equal(std::begin(signature), std::end(signature), bytes.begin());
}

std::shared_ptr<const PackageDesign> ReadPackage(const std::vector<std::uint8_t>& bytes,
                                                 const std::string& fileName)
{
    try {
        return std::make_shared<const PackageDesign>(CPotxTemplateReader(bytes).Read());
    } catch (const CPackageError& error) {
        FailTemplate(fileName, error.what());
    } catch (const std::runtime_error& error) {
        FailTemplate(fileName, std::string("the file is damaged (") + error.what() + ")");
    } catch (const std::logic_error& error) {
        FailTemplate(fileName, std::string("the file is damaged (") + error.what() + ")");
    }
}

} // namespace

std::shared_ptr<const DesignTemplate> CTemplateLoader::Load(const std::string& fileName)
{
    return ReadDesign(ReadTemplateFile(fileName), fileName);
}

std::shared_ptr<const DesignTemplate>
CTemplateLoader::ReadDesign(const std::vector<std::uint8_t>& bytes, const std::string& fileName)
{
    auto loaded = std::make_shared<DesignTemplate>();
    loaded->fileName = fileName;
    if (StartsWith(bytes, kCompoundFileSignature)) {
        loaded->family = DesignFamily::PowerPoint97;
        loaded->design = CPotTemplateLoader::ReadDesign(bytes, fileName);
    } else if (StartsWith(bytes, kZipSignature)) {
        if (bytes.size() > kMaxTemplateFileSize)
            FailTemplate(fileName, "it is larger than any design template (over 64 MB)");
        loaded->family = DesignFamily::OpenXml;
        loaded->packageDesign = ReadPackage(bytes, fileName);
    } else {
        FailTemplate(fileName, "it is not a design template (.pot, .potx) or a presentation "
                               "(.ppt, .pptx)");
    }
    return loaded;
}
