// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

// The namespaces the parts of a presentation package name, as ECMA-376 gives them.
namespace Ns {
inline constexpr const char* kPresentation =
    "http://schemas.openxmlformats.org/presentationml/2006/main";
inline constexpr const char* kDrawing = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kContentTypes =
    "http://schemas.openxmlformats.org/package/2006/content-types";
} // namespace Ns

// A part's XML, built as a tree and written out as UTF-8 with the standalone
// declaration the packages carry.
class CXmlPart
{
public:
    // The root element; presentation parts also declare the a:, r: and p:
    // prefixes when withDrawingNamespaces is set.
    pugi::xml_node Root(const char* name, const char* defaultNamespace = nullptr,
                        bool withDrawingNamespaces = false);
    std::string Text() const;

private:
    pugi::xml_document m_document;
};

// The nodes of a document that holds only a fragment (say, a run of sibling
// elements), as XML without a declaration.
std::string XmlFragment(const pugi::xml_document& fragment);

// Appends a child element with attributes given as name, value pairs.
pugi::xml_node Add(pugi::xml_node parent, const char* name,
                   std::initializer_list<std::pair<const char*, std::string>> attributes = {});

// Text as XML 1.0 can hold it: valid UTF-8 first (as the servers take any
// text), then each character XML does not allow (the C0 controls other than
// tab, LF and CR, U+FFFE and U+FFFF) becomes U+FFFD; everything else is kept
// as is. Escaping of <, & and quotes is left to the XML writer.
std::string ToXmlText(std::string_view text);

// Sets an element's text as ToXmlText gives it; plain ASCII text, nearly all
// text, goes in as it is, without the copies the repair makes.
void SetXmlText(pugi::xml_node element, std::string_view text);

// Relationships part: one call per relationship, ids rId1, rId2... in order.
class CRelationships
{
public:
    CRelationships();
    void Add(const std::string& type, const std::string& target);
    std::string Text() const { return m_part.Text(); }
    // For what goes after the relationships added so far.
    pugi::xml_node Root() const { return m_root; }
    const CXmlPart& Part() const { return m_part; }

private:
    CXmlPart m_part;
    pugi::xml_node m_root;
    int m_count = 0;
};

// The relationship types by their last word ("slide", "theme", ...).
std::string RelationshipType(std::string_view kind);
