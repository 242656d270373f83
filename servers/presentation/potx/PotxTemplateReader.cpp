// SPDX-License-Identifier: MIT
#include "PotxTemplateReader.h"

#include "LayoutMatch.h"
#include "PackageNames.h"
#include "PartName.h"
#include "XmlPart.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace {

using PackageXml::Child;
using PackageXml::LocalName;
using PackageXml::Relationship;

constexpr std::string_view kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr std::string_view kStrictRelationshipTypes =
    "http://purl.oclc.org/ooxml/officeDocument/relationships/";
constexpr std::string_view kPresentationMl =
    "application/vnd.openxmlformats-officedocument.presentationml.";
const std::string kThemeType = "application/vnd.openxmlformats-officedocument.theme+xml";

// What a relationship type names, by its last word; empty for one of another family.
std::string_view Kind(std::string_view type)
{
    if (!type.starts_with(kRelationshipTypes))
        return {};
    return type.substr(kRelationshipTypes.size());
}

// Parts of the template that are its content, not its design. A design that
// refers to one cannot be taken without it.
bool IsContent(std::string_view kind)
{
    return kind == "slide" || kind == "notesSlide" || kind == "notesMaster" ||
           kind == "handoutMaster" || kind == "comments" || kind == "commentAuthors" ||
           kind == "officeDocument" || kind == "presProps" || kind == "viewProps";
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

bool IsXml(const std::string& contentType)
{
    return contentType.ends_with("+xml") || contentType == "application/xml" ||
           contentType == "text/xml";
}

[[noreturn]] void Fail(const std::string& reason)
{
    throw CPackageError(reason);
}

std::optional<std::int64_t> SlideLength(const pugi::xml_attribute& attribute)
{
    char* end = nullptr;
    const long long value = std::strtoll(attribute.value(), &end, 10);
    // ST_SlideSizeCoordinate: 1 to 56 inches.
    if (end == attribute.value() || *end != '\0' || value < 914400 || value > 51206400)
        return std::nullopt;
    return value;
}

} // namespace

CPotxTemplateReader::CPotxTemplateReader(const std::vector<std::uint8_t>& bytes) : m_zip(bytes) {}

PackageDesign CPotxTemplateReader::Read()
{
    ReadContentTypes();
    PackageDesign design;
    const std::string presentation = FindPresentation();
    const std::string master = ChooseMaster(MasterParts(presentation, design));
    const std::vector<std::string> layouts = LayoutsOf(master);
    Collect(master, layouts);
    Rename(master, layouts);
    std::vector<LayoutMatch::Layout> matchable;
    for (const std::string& layout : layouts) {
        const pugi::xml_document& xml = Xml(layout);
        const char* type = xml.document_element().attribute("type").value();
        matchable.push_back({m_newNames.at(Lower(layout)), *type ? type : "cust", &xml});
    }
    LayoutMatch::Match(matchable, Xml(master), design);
    Emit(design);
    return design;
}

void CPotxTemplateReader::ReadContentTypes()
{
    const std::optional<std::string> bytes = m_zip.Read("[Content_Types].xml");
    if (!bytes)
        Fail("it is not an Office Open XML package (it has no [Content_Types].xml)");
    CountXml(*bytes);
    pugi::xml_document types;
    PackageXml::Parse(types, *bytes, "[Content_Types].xml");
    for (const pugi::xml_node node : types.document_element().children()) {
        const std::string type = node.attribute("ContentType").value();
        if (LocalName(node) == "Default")
            m_defaults[Lower(node.attribute("Extension").value())] = type;
        else if (LocalName(node) == "Override")
            m_overrides[Lower(node.attribute("PartName").value())] = type;
    }
}

void CPotxTemplateReader::CountXml(const std::string& bytes)
{
    m_xmlBytes += bytes.size();
    if (m_xmlBytes > kMaxXmlBytes)
        Fail("it holds more XML than a design template may (over 16 MB)");
}

std::string CPotxTemplateReader::ContentTypeOf(const std::string& part) const
{
    if (const auto found = m_overrides.find("/" + Lower(part)); found != m_overrides.end())
        return found->second;
    const std::size_t dot = part.rfind('.');
    if (dot != std::string::npos && part.find('/', dot) == std::string::npos) {
        if (const auto found = m_defaults.find(Lower(part.substr(dot + 1)));
            found != m_defaults.end())
            return found->second;
    }
    return {};
}

const CPotxTemplateReader::Part& CPotxTemplateReader::Load(const std::string& name,
                                                           const std::string& referrer)
{
    const std::string key = Lower(name);
    if (const auto found = m_parts.find(key); found != m_parts.end())
        return found->second;
    Part part;
    std::optional<std::string> bytes = m_zip.Read(name);
    if (!bytes)
        Fail("the part \"" + name + "\" that " + referrer + " refers to is missing");
    part.bytes = std::move(*bytes);
    part.contentType = ContentTypeOf(name);
    if (part.contentType.empty())
        Fail("the part \"" + name + "\" has no content type");
    if (IsXml(part.contentType)) {
        CountXml(part.bytes);
        auto xml = std::make_unique<pugi::xml_document>();
        PackageXml::Parse(*xml, part.bytes, name);
        m_xml[key] = std::move(xml);
    }
    const std::string relsName = PartName::RelationshipsOf(name);
    if (const std::optional<std::string> rels = m_zip.Read(relsName)) {
        CountXml(*rels);
        part.relationships = PackageXml::Relationships(*rels, relsName);
        part.hasRelationships = true;
    }
    return m_parts.emplace(key, std::move(part)).first->second;
}

const pugi::xml_document& CPotxTemplateReader::Xml(const std::string& name)
{
    Load(name, "the package");
    const auto found = m_xml.find(Lower(name));
    if (found == m_xml.end())
        Fail("the part \"" + name + "\" is not XML");
    return *found->second;
}

std::string CPotxTemplateReader::Internal(const std::string& source,
                                          const Relationship& relation) const
{
    const std::optional<std::string> target = PackageNames::ResolveTarget(source, relation.target);
    if (!target)
        Fail("the part \"" + (source.empty() ? std::string("_rels/.rels") : source) +
             "\" refers to \"" + relation.target + "\", which is not a part of the package");
    return *target;
}

std::string CPotxTemplateReader::FindPresentation()
{
    const std::optional<std::string> rels = m_zip.Read("_rels/.rels");
    if (!rels)
        Fail("it is not an Office Open XML package (it has no _rels/.rels)");
    CountXml(*rels);
    for (const Relationship& relation : PackageXml::Relationships(*rels, "_rels/.rels")) {
        if (relation.type.starts_with(kStrictRelationshipTypes))
            Fail("it is saved as Strict Open XML; save it as an ordinary PowerPoint template "
                 "(.potx) instead");
        if (Kind(relation.type) != "officeDocument" || relation.external)
            continue;
        const std::string part = Internal("", relation);
        const std::string type = ContentTypeOf(part);
        const bool presentation =
            type.starts_with(kPresentationMl) || type.starts_with("application/vnd.ms-powerpoint.");
        if (!presentation || !type.ends_with(".main+xml"))
            Fail("it is not a PowerPoint presentation or template");
        return part;
    }
    Fail("it is not an Office Open XML document (no main part)");
}

std::vector<std::string> CPotxTemplateReader::MasterParts(const std::string& presentation,
                                                          PackageDesign& design)
{
    const pugi::xml_document& xml = Xml(presentation);
    const Part& part = m_parts.at(Lower(presentation));
    const pugi::xml_node root = xml.document_element();
    std::vector<std::string> masters;
    for (const pugi::xml_node id : Child(root, "sldMasterIdLst").children()) {
        const std::string rid = PackageXml::PrefixedAttribute(id, "id").value();
        const auto relation =
            std::find_if(part.relationships.begin(), part.relationships.end(),
                         [&rid](const Relationship& r) { return r.id == rid && !r.external; });
        if (relation == part.relationships.end() || Kind(relation->type) != "slideMaster")
            Fail("the presentation lists a slide master that is not in the package");
        masters.push_back(Internal(presentation, *relation));
        if (masters.size() > kMaxMasters)
            Fail("it has more than " + std::to_string(kMaxMasters) + " slide masters");
    }
    if (masters.empty())
        Fail("it has no slide master");
    const pugi::xml_node size = Child(root, "sldSz");
    const auto width = SlideLength(size.attribute("cx"));
    const auto height = SlideLength(size.attribute("cy"));
    if (width && height) {
        design.slideWidth = *width;
        design.slideHeight = *height;
        const std::string type = size.attribute("type").value();
        const bool word = std::all_of(type.begin(), type.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        });
        design.slideSizeType = word && type.size() <= 32 ? type : "";
    }
    return masters;
}

std::vector<std::string> CPotxTemplateReader::LayoutsOf(const std::string& master)
{
    const pugi::xml_document& xml = Xml(master);
    if (LocalName(xml.document_element()) != "sldMaster" ||
        ContentTypeOf(master) != std::string(kPresentationMl) + "slideMaster+xml")
        Fail("the part \"" + master + "\" is not a slide master");
    const Part& part = m_parts.at(Lower(master));
    std::vector<std::string> layouts;
    for (const pugi::xml_node id : Child(xml.document_element(), "sldLayoutIdLst").children()) {
        const std::string rid = PackageXml::PrefixedAttribute(id, "id").value();
        const auto relation =
            std::find_if(part.relationships.begin(), part.relationships.end(),
                         [&rid](const Relationship& r) { return r.id == rid && !r.external; });
        if (relation == part.relationships.end() || Kind(relation->type) != "slideLayout")
            Fail("the slide master \"" + master + "\" lists a layout that is not in the package");
        const std::string layout = Internal(master, *relation);
        const pugi::xml_document& layoutXml = Xml(layout);
        if (LocalName(layoutXml.document_element()) != "sldLayout" ||
            ContentTypeOf(layout) != std::string(kPresentationMl) + "slideLayout+xml")
            Fail("the part \"" + layout + "\" is not a slide layout");
        layouts.push_back(layout);
    }
    if (layouts.empty())
        Fail("the slide master \"" + master + "\" has no layouts");
    return layouts;
}

std::string CPotxTemplateReader::ChooseMaster(const std::vector<std::string>& masters)
{
    if (masters.size() == 1)
        return masters.front();
    std::string best;
    int bestScore = -1;
    for (const std::string& master : masters) {
        std::vector<std::string> types;
        for (const std::string& layout : LayoutsOf(master))
            types.push_back(Xml(layout).document_element().attribute("type").value());
        if (const int score = LayoutMatch::Score(types); score > bestScore) {
            best = master;
            bestScore = score;
        }
    }
    return best;
}

// Every part the master refers to, and they in turn, but nothing of the
// template's content.
void CPotxTemplateReader::Collect(const std::string& master,
                                  const std::vector<std::string>& layouts)
{
    std::deque<std::string> waiting{master};
    std::set<std::string> seen{Lower(master)};
    bool hasTheme = false;
    std::set<std::string> belongs; // parts that name the master as theirs
    while (!waiting.empty()) {
        const std::string name = waiting.front();
        waiting.pop_front();
        m_order.push_back(name);
        const Part& part = Load(name, "the design");
        for (const Relationship& relation : part.relationships) {
            if (relation.external)
                continue;
            const std::string_view kind = Kind(relation.type);
            const std::string target = Internal(name, relation);
            if (IsContent(kind) || (kind == "slideMaster" && Lower(target) != Lower(master)))
                Fail("the design part \"" + name + "\" refers to \"" + target +
                     "\", which belongs to the template's content, not its design");
            if (seen.insert(Lower(target)).second) {
                Load(target, "\"" + name + "\"");
                waiting.push_back(target);
            }
            if (name == master && kind == "theme") {
                if (ContentTypeOf(target) != kThemeType ||
                    LocalName(Xml(target).document_element()) != "theme")
                    Fail("the part \"" + target + "\" is not a theme");
                hasTheme = true;
            }
            if (kind == "slideMaster")
                belongs.insert(Lower(name));
        }
    }
    if (!hasTheme)
        Fail("its slide master has no theme");
    for (const std::string& layout : layouts) {
        if (!belongs.count(Lower(layout)))
            Fail("the layout \"" + layout + "\" does not name its slide master");
    }
}

void CPotxTemplateReader::Rename(const std::string& master, const std::vector<std::string>& layouts)
{
    m_newNames[Lower(master)] = "ppt/slideMasters/slideMaster1.xml";
    int layoutCount = 0;
    for (const std::string& layout : layouts)
        m_newNames[Lower(layout)] =
            "ppt/slideLayouts/slideLayout" + std::to_string(++layoutCount) + ".xml";
    int themes = 0;
    int media = 0;
    int others = 0;
    for (const std::string& name : m_order) {
        if (m_newNames.count(Lower(name)))
            continue;
        const std::string& type = m_parts.at(Lower(name)).contentType;
        const std::string extension = PackageNames::Extension(name);
        if (type == kThemeType)
            m_newNames[Lower(name)] = "ppt/theme/theme" + std::to_string(++themes) + ".xml";
        else if (type == std::string(kPresentationMl) + "slideLayout+xml")
            m_newNames[Lower(name)] =
                "ppt/slideLayouts/slideLayout" + std::to_string(++layoutCount) + ".xml";
        else if (type.starts_with("image/") || type.starts_with("audio/") ||
                 type.starts_with("video/"))
            m_newNames[Lower(name)] =
                "ppt/media/design" + std::to_string(++media) + "." + extension;
        else
            m_newNames[Lower(name)] =
                "ppt/design/part" + std::to_string(++others) + "." + extension;
    }
}

void CPotxTemplateReader::Emit(PackageDesign& design) const
{
    for (const std::string& name : m_order) {
        const Part& part = m_parts.at(Lower(name));
        const std::string& newName = m_newNames.at(Lower(name));
        design.parts.push_back({newName, part.contentType, part.bytes});
        if (part.contentType == kThemeType && design.themePart.empty())
            design.themePart = newName;
        if (!part.hasRelationships)
            continue;
        CXmlPart rels;
        pugi::xml_node root = rels.Root("Relationships", Ns::kPackageRelationships);
        for (const Relationship& relation : part.relationships) {
            pugi::xml_node node =
                Add(root, "Relationship", {{"Id", relation.id}, {"Type", relation.type}});
            if (relation.external) {
                node.append_attribute("Target") = relation.target.c_str();
                node.append_attribute("TargetMode") = "External";
            } else {
                // Every internal target was followed and renamed in Collect.
                node.append_attribute("Target") =
                    PartName::RelativeTarget(newName,
                                             m_newNames.at(Lower(Internal(name, relation))))
                        .c_str();
            }
        }
        design.parts.push_back({PartName::RelationshipsOf(newName),
                                "application/vnd.openxmlformats-package.relationships+xml",
                                rels.Text()});
    }
    design.masterPart = m_newNames.at(Lower(m_order.front()));
}
