// SPDX-License-Identifier: MIT
#pragma once

#include "PackageDesign.h"
#include "PackageXml.h"
#include "ZipReader.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Takes the design out of an Office Open XML presentation or template: the
// slide master whose layouts best fit the presentation's three, its layouts,
// its theme and every part they refer to, followed from those parts only, so
// the template's slides, notes, handouts and comments stay behind. Parts are
// renamed into the written package's names and their relationships rewritten
// to match. Everything is checked before it is taken; damage or anything a
// reader could refuse ends in CPackageError.
class CPotxTemplateReader
{
public:
    // Throws CPackageError.
    explicit CPotxTemplateReader(const std::vector<std::uint8_t>& bytes);

    PackageDesign Read();

    static constexpr std::size_t kMaxMasters = 64;
    // XML parsed in all. A parsed tree takes many times its text, and a
    // design's XML is rarely above a megabyte.
    static constexpr std::size_t kMaxXmlBytes = 16u << 20;

private:
    struct Part
    {
        std::string contentType;
        std::string bytes;
        std::vector<PackageXml::Relationship> relationships;
        bool hasRelationships = false;
    };

    void CountXml(const std::string& bytes);
    void ReadContentTypes();
    std::string ContentTypeOf(const std::string& part) const;
    std::string FindPresentation();
    std::vector<std::string> MasterParts(const std::string& presentation, PackageDesign& design);
    const Part& Load(const std::string& name, const std::string& referrer);
    const pugi::xml_document& Xml(const std::string& name);
    std::string Internal(const std::string& source, const PackageXml::Relationship& relation) const;
    std::vector<std::string> LayoutsOf(const std::string& master);
    std::string ChooseMaster(const std::vector<std::string>& masters);
    void Collect(const std::string& master, const std::vector<std::string>& layouts);
    void Rename(const std::string& master, const std::vector<std::string>& layouts);
    void Emit(PackageDesign& design) const;

    CZipReader m_zip;
    std::map<std::string, std::string> m_defaults;  // extension, lower case
    std::map<std::string, std::string> m_overrides; // part name, lower case
    std::map<std::string, Part> m_parts;
    std::map<std::string, std::unique_ptr<pugi::xml_document>> m_xml;
    std::vector<std::string> m_order; // the parts taken, in the order found
    std::map<std::string, std::string> m_newNames;
    std::size_t m_xmlBytes = 0;
};
