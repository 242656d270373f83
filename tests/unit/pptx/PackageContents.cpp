// SPDX-License-Identifier: MIT
#include "PackageContents.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <minizip/unzip.h>
#include <pugixml.hpp>
#include <stdexcept>

std::map<std::string, std::string> ReadPackage(const std::string& path)
{
    const std::unique_ptr<void, decltype(&unzClose)> archive(unzOpen64(path.c_str()), &unzClose);
    if (!archive)
        throw std::runtime_error("not a zip archive: " + path);
    std::map<std::string, std::string> parts;
    char name[4096];
    for (int at = unzGoToFirstFile(archive.get()); at != UNZ_END_OF_LIST_OF_FILE;
         at = unzGoToNextFile(archive.get())) {
        unz_file_info64 info{};
        if (at != UNZ_OK || unzGetCurrentFileInfo64(archive.get(), &info, name, sizeof name,
                                                    nullptr, 0, nullptr, 0) != UNZ_OK)
            throw std::runtime_error("unreadable entry in " + path);
        std::string bytes(static_cast<std::size_t>(info.uncompressed_size), '\0');
        const bool read =
            unzOpenCurrentFile(archive.get()) == UNZ_OK &&
            unzReadCurrentFile(archive.get(), bytes.data(), static_cast<unsigned>(bytes.size())) ==
                static_cast<int>(bytes.size());
        // Closing checks the part's checksum.
        if (unzCloseCurrentFile(archive.get()) != UNZ_OK || !read)
            throw std::runtime_error(std::string("cannot read ") + name);
        parts[name] = std::move(bytes);
    }
    return parts;
}

namespace {

namespace fs = std::filesystem;
using Parts = std::map<std::string, std::string>;

const std::map<std::string, std::string> kRootNamespaces = {
    {"application/vnd.openxmlformats-package.relationships+xml",
     "http://schemas.openxmlformats.org/package/2006/relationships"},
    {"application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml",
     "http://schemas.openxmlformats.org/presentationml/2006/main"},
    {"application/vnd.openxmlformats-officedocument.presentationml.template.main+xml",
     "http://schemas.openxmlformats.org/presentationml/2006/main"},
    {"application/vnd.openxmlformats-officedocument.presentationml.slideMaster+xml",
     "http://schemas.openxmlformats.org/presentationml/2006/main"},
    {"application/vnd.openxmlformats-officedocument.presentationml.slideLayout+xml",
     "http://schemas.openxmlformats.org/presentationml/2006/main"},
    {"application/vnd.openxmlformats-officedocument.presentationml.slide+xml",
     "http://schemas.openxmlformats.org/presentationml/2006/main"},
    {"application/vnd.openxmlformats-officedocument.theme+xml",
     "http://schemas.openxmlformats.org/drawingml/2006/main"},
    {"application/vnd.openxmlformats-package.core-properties+xml",
     "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"},
    {"application/vnd.openxmlformats-officedocument.extended-properties+xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"},
};

// The namespace of an element's own name, looked up through its ancestors.
std::string NamespaceOf(const pugi::xml_node& element)
{
    const std::string name = element.name();
    const std::size_t colon = name.find(':');
    const std::string attribute =
        colon == std::string::npos ? "xmlns" : "xmlns:" + name.substr(0, colon);
    for (pugi::xml_node node = element; node; node = node.parent()) {
        if (const pugi::xml_attribute found = node.attribute(attribute.c_str()))
            return found.value();
    }
    return {};
}

std::map<std::string, std::string> ContentTypes(const Parts& parts)
{
    pugi::xml_document types;
    EXPECT_TRUE(types.load_string(parts.at("[Content_Types].xml").c_str()));
    EXPECT_EQ(NamespaceOf(types.document_element()),
              "http://schemas.openxmlformats.org/package/2006/content-types");
    std::map<std::string, std::string> byExtension;
    std::map<std::string, std::string> byPart;
    for (const pugi::xml_node type : types.document_element().children("Default"))
        byExtension[type.attribute("Extension").value()] = type.attribute("ContentType").value();
    for (const pugi::xml_node type : types.document_element().children("Override"))
        byPart[type.attribute("PartName").value()] = type.attribute("ContentType").value();
    for (const auto& [name, type] : byPart)
        EXPECT_TRUE(parts.count(name.substr(1))) << "listed but missing: " << name;
    std::map<std::string, std::string> result;
    for (const auto& [name, bytes] : parts) {
        if (name == "[Content_Types].xml")
            continue;
        const auto found = byPart.find("/" + name);
        const std::string extension = name.substr(name.rfind('.') + 1);
        if (found != byPart.end())
            result[name] = found->second;
        else if (byExtension.count(extension))
            result[name] = byExtension[extension];
        else
            ADD_FAILURE() << "no content type for " << name;
    }
    return result;
}

// "ppt/slides/_rels/slide1.xml.rels" is about "ppt/slides/slide1.xml";
// targets are relative to the folder of that part.
std::string Resolve(const std::string& relsName, const std::string& target)
{
    const fs::path rels(relsName);
    const fs::path folder = rels.parent_path().parent_path();
    return (folder / target).lexically_normal().generic_string();
}

} // namespace

void ExpectWellFormedPackage(const Parts& parts)
{
    const std::map<std::string, std::string> types = ContentTypes(parts);
    for (const auto& [name, type] : types) {
        SCOPED_TRACE(name);
        // Pictures and other binary parts a template brings.
        if (!type.ends_with("xml"))
            continue;
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(parts.at(name).c_str())) << parts.at(name);
        ASSERT_TRUE(kRootNamespaces.count(type)) << type;
        EXPECT_EQ(NamespaceOf(document.document_element()), kRootNamespaces.at(type));
        if (type.find("relationships") == std::string::npos)
            continue;
        for (const pugi::xml_node relation : document.document_element().children()) {
            if (std::string_view(relation.attribute("TargetMode").value()) == "External")
                continue;
            const std::string target = Resolve(name, relation.attribute("Target").value());
            EXPECT_TRUE(parts.count(target)) << "missing target " << target;
        }
    }
}
