// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The database's name as the handheld lists it: "(ram) " and the image's file
// name (what follows the last "/"), in at most 31 bytes. A longer name keeps
// its first 27 bytes and ends in ".gif", so it still reads as an image.
//
// The handheld shows names in its own 8-bit Latin character set, which is
// Windows-1252 except at a few positions where it has symbols of its own
// (0x80, 0x8D to 0x90, 0x9D and 0x9E). The UTF-8 file name is carried over
// character by character:
//  - a character that both sets hold at the same byte becomes that byte;
//  - combining accents are dropped, so a decomposed "e" + acute shows as "e"
//    rather than as "e?" (a precomposed one keeps its accent);
//  - everything else, control characters and bytes that are not UTF-8
//    included, becomes "?", one per character.
// One byte is then one character, so the cut never splits a character.
std::string MakeDatabaseName(std::string_view inputPath);

// UTF-8 text in the handheld's character set, by the rules above.
std::string ToHandheldCharacters(std::string_view utf8Text);
