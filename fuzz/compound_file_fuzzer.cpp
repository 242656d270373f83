// SPDX-License-Identifier: MIT
// Any bytes as a compound file: the reader either lists and reads its
// streams or refuses with std::runtime_error. What it reads then goes on to
// the record dump and the presentation reader, as pptdump would take it.
#include "CompoundFileReader.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "RecordDump.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    try {
        const CCompoundFileReader reader(bytes);
        for (const std::string& name : reader.StreamNames())
            reader.ReadStream(name);
        const auto document = reader.ReadStream(kDocumentStreamName);
        const auto currentUser = reader.ReadStream(kCurrentUserStreamName);
        if (document)
            CRecordDump(*document).Text();
        if (document && currentUser)
            CPptReader(*document, *currentUser).Slides();
    } catch (const std::runtime_error&) {
        // Refused with a reason: what a damaged file should get.
    }
    return 0;
}
