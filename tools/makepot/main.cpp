// SPDX-License-Identifier: MIT
// makepot DESCRIPTION OUTPUT: builds a design template (.pot) from a design
// description (see DesignDescriptionFile.h). The build uses it to make the
// shipped default template, quillon.pot, from data/quillon-design.ini.
//
// The master is written from the description, read back as a template and
// saved as one through the same writer that saves presentations, so the
// template is exactly what ApplyTemplate will find in it.

#include "DesignDescriptionFile.h"
#include "PptFileWriter.h"
#include "PptPackager.h"
#include "TemplateReader.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

std::shared_ptr<const TemplateDesign> DesignOf(const DesignDescription& description)
{
    const PptStreams streams = CPptPackager("Quillon", description).Package({});
    const CTemplateReader reader(streams.document, streams.currentUser);
    return std::make_shared<const TemplateDesign>(reader.Read({}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: makepot DESCRIPTION OUTPUT.pot\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) {
            std::cerr << "makepot: cannot open " << argv[1] << "\n";
            return 1;
        }
        PresentationDocument document;
        document.design = DesignOf(ReadDesignDescription(in, argv[1]));
        CPptFileWriter().Write(document, argv[2], CPptFileWriter::kFormatTemplate);
    } catch (const std::exception& error) {
        std::cerr << "makepot: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
