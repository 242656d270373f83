// SPDX-License-Identifier: MIT
#include "PalmDatabaseWriter.h"

#include <cstdio>
#include <new>
#include <string>

// Converts one image the way the program does, for timing and for scripts:
// prints the database's path, or the error line and exits with status 1.
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s IMAGE.gif\n", argc > 0 ? argv[0] : "tavik_pdb_convert");
        return 2;
    }
    std::string result;
    bool converted = false;
    try {
        converted = ConvertGifToPdb(argv[1], result);
    } catch (const std::bad_alloc&) {
        result = "There is not enough memory to convert the image.";
    }
    std::fprintf(converted ? stdout : stderr, "%s\n", result.c_str());
    return converted ? 0 : 1;
}
