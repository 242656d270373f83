// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"
#include "DocumentSummary.h"
#include "PresentationDocument.h"

class CRecordWriter;

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The streams of a presentation file.
struct PptStreams
{
    std::vector<std::uint8_t> document;    // "PowerPoint Document"
    std::vector<std::uint8_t> currentUser; // "Current User"
    std::vector<std::uint8_t> pictures;    // "Pictures"; empty: no such stream
    DocumentSummary summary;               // the two property-set streams
};

struct TemplateDesign;

// Lays a presentation out as PowerPoint 97-2003 records. It alone decides the
// identifiers (persist ids, slide and master ids, drawing and shape ids) and
// the order of the containers, and it records each container's offset for the
// persist directory.
//
//   Document (persist 1) | MainMaster (2) | Slide (3) ... | PersistDirectory | UserEdit
//
// With a template's design the template's masters take persist ids 2, 3 ...
// and the slides follow them.
class CPptPackager
{
public:
    explicit CPptPackager(std::string userName = "Quillon", DesignDescription design = {});

    // Throws std::length_error when the document has more slides than the
    // format can number.
    PptStreams Package(const PresentationDocument& document) const;

    static constexpr std::size_t kMaxSlides = 4000;

private:
    PptStreams PackageAround(const TemplateDesign& design,
                             const PresentationDocument& document) const;
    PptStreams Finish(CRecordWriter& writer, std::map<std::uint32_t, std::uint32_t> offsets,
                      const PresentationDocument& document) const;

    std::string m_userName;
    DesignDescription m_design;
};
