// SPDX-License-Identifier: MIT
#pragma once

#include "ImpressDocument.h"
#include "PresentationDocument.h"

#include <vector>

// Compares the slides a reader converted to OpenDocument with the document
// we saved: one frame of the right class per placeholder, in order, with the
// placeholder's paragraphs and levels (an empty placeholder shows none, or
// one empty paragraph).
enum class OdfReader
{
    Impress,         // names its layouts; keeps every placeholder's class
    ImpressOpenXml,  // the same, reading a .pptx: title and content is "title, object"
    Calligra,        // no layout names; a filled subtitle shows as an outline frame
    CalligraOpenXml, // the same, reading a .pptx: every subtitle, even an empty one,
                     // shows as an outline frame
};

void ExpectSameOdfSlides(const PresentationDocument& expected,
                         const std::vector<ImpressPage>& pages, OdfReader reader);
