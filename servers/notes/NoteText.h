#pragma once

#include <string>
#include <string_view>

// A note file's bytes as UTF-8, the form automation strings take here.
// Well-formed UTF-8 passes unchanged, zero bytes included. Any other byte is
// read as a Windows-1252 character: notes saved by older 8-bit programs (the
// handheld's desktop software among them) are written that way, so their
// accented letters and typographic quotes survive, and no byte is lost.
std::string NoteBytesToUtf8(std::string_view bytes);
