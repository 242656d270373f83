// SPDX-License-Identifier: MIT
// The design-template reader on arbitrary bytes. Damage must end in a
// CTemplateError; anything else that escapes, or a crash, is a finding. A
// design the reader accepts must also be one the writer can build a
// presentation around.

#include "PotTemplateLoader.h"
#include "PptPackager.h"
#include "TemplateDesign.h"

#include <cstddef>
#include <cstdint>
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
        document.design = CPotTemplateLoader::ReadDesign(bytes, "fuzz.pot");
    } catch (const CTemplateError&) {
        return 0;
    }
    CPptPackager().Package(document);
    return 0;
}
