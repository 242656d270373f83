// SPDX-License-Identifier: MIT
#include "PptxFileWriter.h"

#include "DesignParts.h"
#include "DocumentTitle.h"
#include "PackageParts.h"
#include "SafeFile.h"
#include "TargetFolder.h"
#include "ZipPackage.h"

#include <ctime>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason)
{
    throw CSaveError("Cannot save \"" + path + "\": " + reason + ".");
}

void AddDesign(CZipPackage& package, const DesignDescription& design)
{
    using namespace DesignParts;
    package.AddPart("ppt/slideMasters/slideMaster1.xml", [&design] { return MasterXml(design); });
    package.AddPart("ppt/slideMasters/_rels/slideMaster1.xml.rels", MasterRelsXml);
    for (int i = 1; i <= kLayoutCount; ++i) {
        const std::string name = "slideLayout" + std::to_string(i) + ".xml";
        package.AddPart("ppt/slideLayouts/" + name, [i] { return LayoutXml(i); });
        package.AddPart("ppt/slideLayouts/_rels/" + name + ".rels", LayoutRelsXml);
    }
    package.AddPart("ppt/theme/theme1.xml", [&design] { return ThemeXml(design); });
}

} // namespace

void CPptxFileWriter::WritePackage(const PresentationDocument& document, int fd,
                                   const DesignDescription& design, int fileFormat)
{
    using namespace PackageParts;
    const std::size_t count = document.slides.size();
    if (count > kMaxSlides)
        throw std::length_error("a presentation package holds at most " +
                                std::to_string(kMaxSlides) + " slides");
    Properties properties{DocumentTitle(document), "Quillon", 0, 0, count};
    properties.created = properties.saved = static_cast<std::int64_t>(std::time(nullptr));

    CZipPackage package(fd);
    // The content types come first, where readers that stream the package look.
    const bool isTemplate = fileFormat == kFormatOpenXmlTemplate;
    package.AddPart("[Content_Types].xml",
                    [count, isTemplate] { return ContentTypesXml(count, isTemplate); });
    package.AddPart("_rels/.rels", RootRelsXml);
    package.AddPart("docProps/core.xml", [properties] { return CorePropertiesXml(properties); });
    package.AddPart("docProps/app.xml", [properties] { return AppPropertiesXml(properties); });
    package.AddPart("ppt/presentation.xml", [count] { return PresentationXml(count); });
    package.AddPart("ppt/_rels/presentation.xml.rels",
                    [count] { return PresentationRelsXml(count); });
    AddDesign(package, design);
    // The slides are read from the document only as libzip reaches them.
    for (std::size_t i = 0; i < count; ++i) {
        const SlideData* slide = &document.slides[i];
        const std::string name = "slide" + std::to_string(i + 1) + ".xml";
        package.AddPart("ppt/slides/" + name, [slide] { return SlideXml(*slide); });
        package.AddPart("ppt/slides/_rels/" + name + ".rels",
                        [slide] { return SlideRelsXml(*slide); });
    }
    package.Close();
}

void CPptxFileWriter::Write(const PresentationDocument& document, const std::string& path,
                            int fileFormat)
{
    if (fileFormat != kFormatOpenXmlPresentation && fileFormat != kFormatOpenXmlTemplate)
        Fail(path, "file format " + std::to_string(fileFormat) + " is not supported");
    // Saving without the design that was applied would report a success that
    // is not one.
    if (document.design)
        Fail(path, "a .pot design template cannot be carried into a .pptx file; save it as "
                   ".ppt, or without the template");
    if (const std::string problem = TargetFolderProblem(path); !problem.empty())
        Fail(path, problem);
    // Made first, so a read-only target is refused before any work is done.
    CSafeFile file(path);
    if (file.Descriptor() < 0)
        Fail(path, file.Error());
    try {
        WritePackage(document, file.Descriptor(), m_design, fileFormat);
    } catch (const std::exception& error) {
        Fail(path, error.what());
    }
    if (!file.Commit())
        Fail(path, file.Error());
}
