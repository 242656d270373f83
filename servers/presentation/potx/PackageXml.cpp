// SPDX-License-Identifier: MIT
#include "PackageXml.h"

#include "ZipReader.h"

#include <set>

namespace PackageXml {

namespace {

// Depth without recursion: the parser builds the tree without any, so a
// deep one must not be walked with it either.
int Depth(const pugi::xml_node& root)
{
    int depth = 0;
    int deepest = 0;
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_element)
            deepest = std::max(deepest, depth + 1);
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
            if (node == root)
                return deepest;
        }
        if (node)
            node = node.next_sibling();
    }
    return deepest;
}

} // namespace

void Parse(pugi::xml_document& document, const std::string& bytes, const std::string& part)
{
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_doctype);
    if (!result)
        throw CPackageError("the part \"" + part + "\" is not well-formed XML (" +
                            result.description() + " at byte " + std::to_string(result.offset) +
                            ")");
    for (const pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_doctype)
            throw CPackageError("the part \"" + part +
                                "\" declares a document type, which a package may not hold");
    }
    if (!document.document_element())
        throw CPackageError("the part \"" + part + "\" holds no XML element");
    if (Depth(document) > kMaxDepth)
        throw CPackageError("the part \"" + part + "\" nests its elements more than " +
                            std::to_string(kMaxDepth) + " deep");
}

std::string_view LocalName(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName)
{
    for (const pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == localName)
            return child;
    }
    return {};
}

pugi::xml_attribute PrefixedAttribute(const pugi::xml_node& node, std::string_view localName)
{
    for (const pugi::xml_attribute attribute : node.attributes()) {
        const std::string_view name = attribute.name();
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos && name.substr(colon + 1) == localName &&
            name.substr(0, colon) != "xmlns")
            return attribute;
    }
    return {};
}

std::vector<Relationship> Relationships(const std::string& bytes, const std::string& part)
{
    pugi::xml_document document;
    Parse(document, bytes, part);
    std::vector<Relationship> relationships;
    std::set<std::string> ids;
    for (const pugi::xml_node node : document.document_element().children()) {
        if (node.type() != pugi::node_element || LocalName(node) != "Relationship")
            continue;
        Relationship relationship{node.attribute("Id").value(), node.attribute("Type").value(),
                                  node.attribute("Target").value(),
                                  std::string_view(node.attribute("TargetMode").value()) ==
                                      "External"};
        if (relationship.id.empty() || relationship.type.empty() || relationship.target.empty())
            throw CPackageError("the part \"" + part + "\" holds an incomplete relationship");
        if (!ids.insert(relationship.id).second)
            throw CPackageError("the part \"" + part + "\" holds the relationship \"" +
                                relationship.id + "\" twice");
        relationships.push_back(std::move(relationship));
    }
    return relationships;
}

} // namespace PackageXml
