// SPDX-License-Identifier: MIT
// makepot DESCRIPTION OUTPUT: builds a design template from a design
// description (see DesignDescriptionFile.h), a .pot or, when OUTPUT ends in
// .potx, an Office Open XML template. The build uses it to make the shipped
// default templates, quillon.pot and quillon.potx, from one description,
// data/quillon-design.ini, so that both formats carry the same design.
//
// The .pot master is written from the description, read back as a template
// and saved as one through the same writer that saves presentations, so the
// template is exactly what ApplyTemplate will find in it. The .potx is the
// .pptx writer's package with no slides, its master, layouts and theme drawn
// from the description.

#include "DesignDescriptionFile.h"
#include "PptFileWriter.h"
#include "PptPackager.h"
#include "PptxFileWriter.h"
#include "TemplateReader.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <string_view>

namespace {

std::shared_ptr<const TemplateDesign> DesignOf(const DesignDescription& description)
{
    const PptStreams streams = CPptPackager("Quillon", description).Package({});
    const CTemplateReader reader(streams.document, streams.currentUser);
    return std::make_shared<const TemplateDesign>(reader.Read({}));
}

void WriteTemplate(const DesignDescription& description, const std::string& path)
{
    constexpr std::string_view kOpenXml = ".potx";
    if (path.size() >= kOpenXml.size() &&
        path.compare(path.size() - kOpenXml.size(), kOpenXml.size(), kOpenXml) == 0) {
        CPptxFileWriter(description)
            .Write(PresentationDocument{}, path, CPptxFileWriter::kFormatOpenXmlTemplate);
        return;
    }
    PresentationDocument document;
    document.design = DesignOf(description);
    CPptFileWriter().Write(document, path, CPptFileWriter::kFormatTemplate);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: makepot DESCRIPTION OUTPUT.pot|OUTPUT.potx\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) {
            std::cerr << "makepot: cannot open " << argv[1] << "\n";
            return 1;
        }
        WriteTemplate(ReadDesignDescription(in, argv[1]), argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "makepot: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
