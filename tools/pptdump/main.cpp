// SPDX-License-Identifier: MIT
// pptdump: shows what a PowerPoint 97-2003 file holds.
//
//   pptdump [--mask] FILE     streams and the record tree of both PowerPoint streams
//   pptdump --slides FILE     slides, placeholders, paragraphs and levels, as readers find them
//   pptdump --inventory FILE...  each kind of record (by its path) and how many files hold it
//   pptdump --compare A B     the kinds of record only A holds (-) and only B holds (+)
//
// --mask leaves out offsets and the atoms that hold offsets, for golden files.

#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "RecordDump.h"
#include "RecordInventory.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

int Usage()
{
    std::cerr << "usage: pptdump [--mask | --slides] FILE\n"
                 "       pptdump --inventory FILE...\n"
                 "       pptdump --compare FILE1 FILE2\n";
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

// Files that cannot be read are named and left out of the count.
int Survey(const std::vector<std::string>& paths)
{
    CRecordInventory survey;
    for (const std::string& path : paths) {
        try {
            survey.Add(CRecordInventory::Of(CCompoundFileReader(path)));
        } catch (const std::exception& error) {
            std::cerr << "pptdump: skipped " << path << ": " << error.what() << "\n";
        }
    }
    const double total = static_cast<double>(survey.FileCount());
    std::cout << survey.FileCount() << " files\n";
    for (const auto& [path, count] : survey.Counts()) {
        char share[32];
        std::snprintf(share, sizeof share, "%4zu %5.1f%%  ", count,
                      100.0 * static_cast<double>(count) / total);
        std::cout << share << path << "\n";
    }
    return survey.FileCount() == paths.size() ? 0 : 1;
}

int Compare(const std::string& first, const std::string& second)
{
    const std::vector<std::string> a = CRecordInventory::Of(CCompoundFileReader(first));
    const std::vector<std::string> b = CRecordInventory::Of(CCompoundFileReader(second));
    const auto holds = [](const std::vector<std::string>& list, const std::string& path) {
        return std::find(list.begin(), list.end(), path) != list.end();
    };
    std::size_t differences = 0;
    for (const std::string& path : a) {
        if (!holds(b, path)) {
            std::cout << "- " << path << "\n";
            ++differences;
        }
    }
    for (const std::string& path : b) {
        if (!holds(a, path)) {
            std::cout << "+ " << path << "\n";
            ++differences;
        }
    }
    return differences == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (!args.empty() && args[0] == "--inventory")
            return args.size() < 2 ? Usage()
                                   : Survey(std::vector<std::string>(args.begin() + 1, args.end()));
        if (!args.empty() && args[0] == "--compare")
            return args.size() != 3 ? Usage() : Compare(args[1], args[2]);
    } catch (const std::exception& error) {
        std::cerr << "pptdump: " << error.what() << "\n";
        return 2;
    }
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
