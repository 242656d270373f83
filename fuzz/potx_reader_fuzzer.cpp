// SPDX-License-Identifier: MIT
// The design-template loader on arbitrary bytes, as an Office Open XML
// template would reach it. Damage must end in a CTemplateError; anything
// else that escapes, or a crash, is a finding. A design the reader accepts
// must also be one the .pptx writer can build a presentation on.

#include "PackageDesign.h"
#include "PptxFileWriter.h"
#include "TemplateLoader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

PresentationDocument OneOfEachLayout()
{
    PresentationDocument document;
    document.slides = {
        {1,
         {{"Rectangle 2", PlaceholderKind::CenterTitle, {{"Title", 1}}},
          {"Rectangle 3", PlaceholderKind::Subtitle, {{"Subtitle", 1}}}}},
        {2,
         {{"Rectangle 2", PlaceholderKind::Title, {{"Text", 1}}},
          {"Rectangle 3", PlaceholderKind::Body, {{"One", 1}, {"Two", 2}}}}},
        {3,
         {{"Rectangle 2", PlaceholderKind::Title, {{"Columns", 1}}},
          {"Rectangle 3", PlaceholderKind::Body, {{"Left", 1}}},
          {"Rectangle 4", PlaceholderKind::Body, {{"Right", 5}}}}},
    };
    return document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    PresentationDocument document = OneOfEachLayout();
    try {
        const auto loaded = CTemplateLoader::ReadDesign(bytes, "fuzz.potx");
        if (loaded->family != DesignFamily::OpenXml)
            return 0;
        document.packageDesign = loaded->packageDesign;
    } catch (const CTemplateError&) {
        return 0;
    }
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::tmpfile(), &std::fclose);
    if (file)
        CPptxFileWriter::WritePackage(document, fileno(file.get()));
    return 0;
}
