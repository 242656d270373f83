// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationDocument.h"

// A presentation with a slide of each layout, so a design a reader accepts is
// tried for every layout a writer may ask of it.
inline PresentationDocument OneOfEachLayout()
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
