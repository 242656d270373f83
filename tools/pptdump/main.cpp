// pptdump: shows what a PowerPoint 97-2003 file holds.
//
//   pptdump [--mask] FILE     streams and the record tree of both PowerPoint streams
//   pptdump --slides FILE     slides, placeholders, paragraphs and levels, as readers find them
//
// --mask leaves out offsets and the atoms that hold offsets, for golden files.

#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "RecordDump.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: pptdump [--mask | --slides] FILE\n";
    return 2;
}

void DumpRecords(const CCompoundFileReader& file, bool mask)
{
    std::cout << "Streams:\n";
    for (const std::string& name : file.StreamNames())
        std::cout << "  " << name << "\n";
    for (const char* name : {kCurrentUserStreamName, kDocumentStreamName}) {
        const auto stream = file.ReadStream(name);
        std::cout << "\n[" << name << "]";
        if (!stream) {
            std::cout << " missing\n";
            continue;
        }
        std::cout << " " << stream->size() << " bytes\n" << CRecordDump(*stream, mask).Text();
    }
}

void DumpSlides(const CCompoundFileReader& file)
{
    const auto document = file.ReadStream(kDocumentStreamName);
    const auto user = file.ReadStream(kCurrentUserStreamName);
    if (!document || !user)
        throw std::runtime_error("the file lacks a PowerPoint stream");
    const CPptReader reader(*document, *user);
    int number = 0;
    for (const StoredSlide& slide : reader.Slides()) {
        std::cout << "Slide " << ++number << " id " << slide.slideId << " layout " << slide.geom
                  << "\n";
        for (const StoredPlaceholder& placeholder : slide.placeholders) {
            std::cout << "  shape " << placeholder.shapeId << " \"" << placeholder.name
                      << "\" placement " << int{placeholder.placement} << "\n";
            for (const TextParagraph& paragraph : placeholder.paragraphs)
                std::cout << "    " << paragraph.indentLevel << " " << paragraph.text << "\n";
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return Usage();
    const std::string option = argc == 3 ? argv[1] : "";
    if (!option.empty() && option != "--mask" && option != "--slides")
        return Usage();
    try {
        const CCompoundFileReader file(argv[argc - 1]);
        if (option == "--slides")
            DumpSlides(file);
        else
            DumpRecords(file, option == "--mask");
    } catch (const std::exception& error) {
        std::cerr << "pptdump: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
