// SPDX-License-Identifier: MIT
#include "PptxFileWriter.h"

#include "DesignParts.h"
#include "DocumentTitle.h"
#include "PackageDesign.h"
#include "PackageParts.h"
#include "SaveThroughSafeFile.h"
#include "ZipPackage.h"

#include <ctime>
#include <memory>
#include <stdexcept>

namespace {

void AddDesign(CZipPackage& package, const PackageDesign& design)
{
    for (const PackageDesignPart& part : design.parts)
        package.AddPart(part.name, part.bytes);
}

} // namespace

void CPptxFileWriter::WritePackage(const PresentationDocument& document, int fd,
                                   const DesignDescription& description, int fileFormat)
{
    using namespace PackageParts;
    const std::size_t count = document.slides.size();
    if (count > kMaxSlides)
        throw std::length_error("a presentation package holds at most " +
                                std::to_string(kMaxSlides) + " slides");
    // A template's design is shared with the presentation; our own is made
    // for the save, from the description.
    std::shared_ptr<const PackageDesign> design = document.packageDesign;
    if (!design)
        design = std::make_shared<const PackageDesign>(DesignParts::OwnDesign(description));
    const PackageDesign* parts = design.get();
    Properties properties{DocumentTitle(document), "Quillon", 0, 0, count};
    properties.created = properties.saved = static_cast<std::int64_t>(std::time(nullptr));

    CZipPackage package(fd);
    // The content types come first, where readers that stream the package look.
    const bool isTemplate = fileFormat == kFormatOpenXmlTemplate;
    package.AddPart("[Content_Types].xml", *ContentTypesPieces(count, *parts, isTemplate));
    package.AddPart("_rels/.rels", RootRelsXml());
    package.AddPart("docProps/core.xml", CorePropertiesXml(properties));
    package.AddPart("docProps/app.xml", AppPropertiesXml(properties));
    package.AddPart("ppt/presentation.xml", *PresentationPieces(count, *parts));
    package.AddPart("ppt/_rels/presentation.xml.rels", *PresentationRelsPieces(count, *parts));
    AddDesign(package, *parts);
    for (std::size_t i = 0; i < count; ++i) {
        const SlideData& slide = document.slides[i];
        const std::string name = "slide" + std::to_string(i + 1) + ".xml";
        if (IsLargeSlide(slide))
            package.AddPart("ppt/slides/" + name, *SlidePieces(slide, *parts));
        else
            package.AddPart("ppt/slides/" + name, SlideXml(slide, *parts));
        package.AddPart("ppt/slides/_rels/" + name + ".rels", SlideRelsXml(slide, *parts));
    }
    package.Close();
}

void CPptxFileWriter::Write(const PresentationDocument& document, const std::string& path,
                            int fileFormat)
{
    if (fileFormat != kFormatOpenXmlPresentation && fileFormat != kFormatOpenXmlTemplate)
        FailSave(path, "file format " + std::to_string(fileFormat) + " is not supported");
    // Saving without the design that was applied would report a success that
    // is not one.
    if (document.design)
        FailSave(path, "a PowerPoint 97-2003 design template (.pot) cannot be carried into a .pptx "
                       "file; apply a .potx template instead, or save it as .ppt");
    SaveThroughSafeFile(path, [&](const CSafeFile& file) {
        WritePackage(document, file.Descriptor(), m_design, fileFormat);
    });
}
