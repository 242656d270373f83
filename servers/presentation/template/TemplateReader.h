// SPDX-License-Identifier: MIT
#pragma once

#include "RecordReader.h"
#include "TemplateDesign.h"

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

// What is wrong with a template, in words for the user; the loader adds the
// path. Damage that the record reader finds arrives as std::runtime_error.
class CTemplateFormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Takes the design out of a presentation or template the way PowerPoint
// finds it: Current User to the newest user edit (or, when that is unusable,
// the last user edit in the stream), the edit chain's persist directories to
// the document, the document to its environment, drawing group and master
// list, the list to the masters. Lengths are never trusted beyond their
// parent and every loop is bounded, so damaged input ends in an exception.
class CTemplateReader
{
public:
    CTemplateReader(const std::vector<std::uint8_t>& documentStream,
                    const std::optional<std::vector<std::uint8_t>>& currentUserStream);

    // The design; pictures is the Pictures stream, kept when the design
    // stores pictures. Throws CTemplateFormatError or std::runtime_error.
    TemplateDesign Read(std::vector<std::uint8_t> pictures) const;

    static constexpr std::size_t kMaxMasters = 64;
    // Shape ids stay below 0x03FFD7FF, and each cluster numbers 1,024 of them.
    static constexpr std::size_t kMaxClusters = 0x03FFD7FF / kShapesPerCluster;
    // A drawing's id is the 12-bit instance of its drawing record.
    static constexpr std::uint32_t kMaxDrawingId = 0xFFF;

private:
    std::uint32_t FindNewestEdit(const std::optional<std::vector<std::uint8_t>>& currentUser) const;
    std::uint32_t LastEditInStream() const;
    bool IsUserEdit(std::size_t offset) const;
    void ReadEditChain(std::uint32_t newestEdit);
    void ReadDirectory(std::size_t offset);
    RecordNode ReadPersistObject(std::uint32_t persistId, const char* what) const;

    void ReadDocumentAtom(const RecordNode& document, TemplateDesign& design) const;
    void ReadDrawingGroup(const RecordNode& document, TemplateDesign& design) const;
    void ReadMasters(const RecordNode& document, TemplateDesign& design) const;
    TemplateMaster ReadMaster(const RecordNode& entry, std::uint32_t& masterIdRef,
                              RecordNode& container) const;
    void PlaceSlides(const RecordNode& main, const RecordNode* title, TemplateDesign& design) const;
    std::vector<std::uint8_t> Copy(const RecordNode& node) const;

    const std::vector<std::uint8_t>& m_bytes;
    CRecordReader m_reader;
    std::map<std::uint32_t, std::uint32_t> m_offsets;
    std::uint32_t m_documentPersistId = 0;
};
