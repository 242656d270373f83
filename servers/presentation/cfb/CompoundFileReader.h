// SPDX-License-Identifier: MIT
#pragma once

#include "DocumentSummary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads the top-level streams of an OLE2 compound file with libgsf.
class CCompoundFileReader
{
public:
    // Throws std::runtime_error naming the path when it is not a readable
    // compound file.
    explicit CCompoundFileReader(const std::string& path);
    explicit CCompoundFileReader(const std::vector<std::uint8_t>& bytes);
    ~CCompoundFileReader();
    CCompoundFileReader(const CCompoundFileReader&) = delete;
    CCompoundFileReader& operator=(const CCompoundFileReader&) = delete;

    std::vector<std::string> StreamNames() const;
    // The stream's bytes, or nothing when there is no such stream. A stream
    // inside a storage is named by its path, "Storage/Stream".
    std::optional<std::vector<std::uint8_t>> ReadStream(const std::string& name) const;
    // The document properties, or nothing when the file stores none.
    std::optional<DocumentSummary> ReadSummary() const;

private:
    void Open(struct _GsfInput* input, const std::string& what);

    std::vector<std::uint8_t> m_bytes;
    struct _GsfInfile* m_file = nullptr;
};
