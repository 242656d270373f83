// SPDX-License-Identifier: MIT
// The design-template loader on arbitrary bytes, as an Office Open XML
// template would reach it. Damage must end in a CTemplateError; anything
// else that escapes, or a crash, is a finding. A design the reader accepts
// must also be one the .pptx writer can build a presentation on.

#include "OneOfEachLayout.h"
#include "PackageDesign.h"
#include "PptxFileWriter.h"
#include "TemplateLoader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

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
