// SPDX-License-Identifier: MIT
// The record layer without the container around it, so mutations reach the
// record trees directly. Input: two bytes (little-endian) giving the length
// of the Current User stream, that stream, then the document stream. Both
// the dump and the reader must refuse bad records with std::runtime_error.
#include "PptReader.h"
#include "RecordDump.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t split = std::min<std::size_t>(size - 2, data[0] + 256u * data[1]);
    const std::vector<std::uint8_t> currentUser(data + 2, data + 2 + split);
    const std::vector<std::uint8_t> document(data + 2 + split, data + size);

    for (const bool masked : {false, true}) {
        try {
            CRecordDump(document, masked).Text();
        } catch (const std::runtime_error&) {
        }
    }
    try {
        const CPptReader reader(document, currentUser);
        for (const StoredSlide& slide : reader.Slides())
            for (const StoredPlaceholder& placeholder : slide.placeholders)
                static_cast<void>(placeholder.paragraphs.size());
    } catch (const std::runtime_error&) {
    }
    return 0;
}
