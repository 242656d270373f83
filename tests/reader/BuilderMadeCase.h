// SPDX-License-Identifier: MIT
#pragma once

#include <string>

struct WrittenFile;

// A presentation made the way a Create makes it: the builder's own
// operations on the real presentation server, then SaveAs. Its bullets hold
// a paragraph break in each of the three forms the server takes ("\r", "\n",
// "\r\n"), and one body holds 300 bullets of varying levels, so every level
// must land on the paragraph its bullet wrote.
WrittenFile BuilderMadeCase();
