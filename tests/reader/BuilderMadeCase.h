// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <string>

struct WrittenFile;

// A presentation made the way a Create makes it: the builder's own
// operations on the real presentation server, then SaveAs. Its bullets hold
// a paragraph break in each of the three forms the server takes ("\r", "\n",
// "\r\n"), and one body holds 300 bullets of varying levels, so every level
// must land on the paragraph its bullet wrote.
WrittenFile BuilderMadeCase(PresentationFormat format);
// A whole note built and saved by the builder into a folder that already
// holds Budget and Budget1 of the format: the readers find it under the free
// name Budget2, with its two-column slides split by the builder.
WrittenFile NoteMadeCase(PresentationFormat format);
