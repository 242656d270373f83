// SPDX-License-Identifier: MIT
// The design-template reader on arbitrary bytes. Damage must end in a
// CTemplateError; anything else that escapes, or a crash, is a finding. A
// design the reader accepts must also be one the writer can build a
// presentation around.

#include "OneOfEachLayout.h"
#include "PotTemplateLoader.h"
#include "PptPackager.h"
#include "TemplateDesign.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    PresentationDocument document = OneOfEachLayout();
    try {
        document.design = CPotTemplateLoader::ReadDesign(bytes, "fuzz.pot");
    } catch (const CTemplateError&) {
        return 0;
    }
    CPptPackager().Package(document);
    return 0;
}
