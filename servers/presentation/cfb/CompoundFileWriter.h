// SPDX-License-Identifier: MIT
#pragma once

#include "DocumentSummary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IByteSink;

// Builds an OLE2 compound file (512-byte sectors, version 3) with libgsf,
// into a byte sink or in memory. Streams are added whole, one after the other, which is what the
// library needs for streams above the mini-stream cutoff.
class CCompoundFileWriter
{
public:
    CCompoundFileWriter();

    void SetRootClassId(const std::uint8_t (&classId)[16]);
    // The bytes are read only by Finish: the writer keeps a temporary, and
    // it reads the caller's own bytes in place, so they must outlive Finish
    // (a document stream is not copied on its way into the file).
    void AddStream(const std::string& name, const std::vector<std::uint8_t>& bytes);
    void AddStream(const std::string& name, std::vector<std::uint8_t>&& bytes);
    // Adds the two document-property streams.
    void SetSummary(const DocumentSummary& summary) { m_summary = summary; }

    // Writes the whole file into sink, which reports its own failures when
    // it is closed. Throws std::runtime_error if libgsf reports a failure.
    void Finish(IByteSink& sink) const;
    // The whole file, in memory.
    std::vector<std::uint8_t> Finish() const;

private:
    struct Stream
    {
        std::string name;
        const std::vector<std::uint8_t>* borrowed; // null: the bytes are owned
        std::vector<std::uint8_t> owned;

        const std::vector<std::uint8_t>& Bytes() const { return borrowed ? *borrowed : owned; }
    };

    std::vector<Stream> m_streams;
    std::vector<std::uint8_t> m_classId;
    std::optional<DocumentSummary> m_summary;
};
