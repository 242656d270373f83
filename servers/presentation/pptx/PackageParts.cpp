// SPDX-License-Identifier: MIT
#include "PackageParts.h"

#include "DesignParts.h"
#include "ShapeXml.h"
#include "XmlPart.h"

#include <algorithm>
#include <ctime>

namespace PackageParts {

namespace {

constexpr const char* kPresentationMl =
    "application/vnd.openxmlformats-officedocument.presentationml.";
// The presentation's relationships: the master, the theme, then one per slide.
constexpr std::size_t kFirstSlideRelationship = 3;

void AddOverride(pugi::xml_node types, const std::string& part, const std::string& type)
{
    Add(types, "Override", {{"PartName", part}, {"ContentType", type}});
}

// W3C date and time, as the core properties store times.
std::string W3cTime(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

int LayoutOf(const SlideData& slide)
{
    return std::clamp(slide.layout, 1, DesignParts::kLayoutCount);
}

PlaceholderRef SlidePlaceholder(PlaceholderKind kind, int layout, int& bodies)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
        return {"ctrTitle"};
    case PlaceholderKind::Subtitle:
        return {"subTitle", 1};
    case PlaceholderKind::Title:
        return {"title"};
    case PlaceholderKind::Body:
        break;
    }
    return {nullptr, ++bodies, layout == 3};
}

} // namespace

std::string ContentTypesXml(std::size_t slideCount, bool isTemplate)
{
    CXmlPart part;
    pugi::xml_node types = part.Root("Types", Ns::kContentTypes);
    Add(types, "Default",
        {{"Extension", "rels"},
         {"ContentType", "application/vnd.openxmlformats-package.relationships+xml"}});
    Add(types, "Default", {{"Extension", "xml"}, {"ContentType", "application/xml"}});
    const std::string ml = kPresentationMl;
    AddOverride(types, "/ppt/presentation.xml",
                ml + (isTemplate ? "template.main+xml" : "presentation.main+xml"));
    AddOverride(types, "/ppt/slideMasters/slideMaster1.xml", ml + "slideMaster+xml");
    for (int i = 1; i <= DesignParts::kLayoutCount; ++i)
        AddOverride(types, "/ppt/slideLayouts/slideLayout" + std::to_string(i) + ".xml",
                    ml + "slideLayout+xml");
    AddOverride(types, "/ppt/theme/theme1.xml",
                "application/vnd.openxmlformats-officedocument.theme+xml");
    for (std::size_t i = 1; i <= slideCount; ++i)
        AddOverride(types, "/ppt/slides/slide" + std::to_string(i) + ".xml", ml + "slide+xml");
    AddOverride(types, "/docProps/core.xml",
                "application/vnd.openxmlformats-package.core-properties+xml");
    AddOverride(types, "/docProps/app.xml",
                "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    return part.Text();
}

std::string RootRelsXml()
{
    CRelationships rels;
    rels.Add(RelationshipType("officeDocument"), "ppt/presentation.xml");
    rels.Add(RelationshipType("core-properties"), "docProps/core.xml");
    rels.Add(RelationshipType("extended-properties"), "docProps/app.xml");
    return rels.Text();
}

std::string PresentationXml(std::size_t slideCount)
{
    CXmlPart part;
    pugi::xml_node presentation = part.Root("p:presentation", nullptr, true);
    Add(Add(presentation, "p:sldMasterIdLst"), "p:sldMasterId",
        {{"id", "2147483648"}, {"r:id", "rId1"}});
    if (slideCount > 0) {
        pugi::xml_node slides = Add(presentation, "p:sldIdLst");
        for (std::size_t i = 0; i < slideCount; ++i)
            Add(slides, "p:sldId",
                {{"id", std::to_string(256 + i)},
                 {"r:id", "rId" + std::to_string(kFirstSlideRelationship + i)}});
    }
    // 10 x 7.5 inches, as the .ppt writer's slides.
    Add(presentation, "p:sldSz", {{"cx", "9144000"}, {"cy", "6858000"}, {"type", "screen4x3"}});
    Add(presentation, "p:notesSz", {{"cx", "6858000"}, {"cy", "9144000"}});
    return part.Text();
}

std::string PresentationRelsXml(std::size_t slideCount)
{
    CRelationships rels;
    rels.Add(RelationshipType("slideMaster"), "slideMasters/slideMaster1.xml");
    rels.Add(RelationshipType("theme"), "theme/theme1.xml");
    for (std::size_t i = 1; i <= slideCount; ++i)
        rels.Add(RelationshipType("slide"), "slides/slide" + std::to_string(i) + ".xml");
    return rels.Text();
}

std::string CorePropertiesXml(const Properties& properties)
{
    CXmlPart part;
    pugi::xml_node core = part.Root("cp:coreProperties");
    core.append_attribute("xmlns:cp") =
        "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
    core.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
    core.append_attribute("xmlns:dcterms") = "http://purl.org/dc/terms/";
    core.append_attribute("xmlns:dcmitype") = "http://purl.org/dc/dcmitype/";
    core.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    if (!properties.title.empty())
        Add(core, "dc:title").text().set(ToXmlText(properties.title).c_str());
    Add(core, "dcterms:created", {{"xsi:type", "dcterms:W3CDTF"}})
        .text()
        .set(W3cTime(properties.created).c_str());
    Add(core, "dcterms:modified", {{"xsi:type", "dcterms:W3CDTF"}})
        .text()
        .set(W3cTime(properties.saved).c_str());
    return part.Text();
}

std::string AppPropertiesXml(const Properties& properties)
{
    CXmlPart part;
    pugi::xml_node app = part.Root(
        "Properties", "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties");
    app.append_attribute("xmlns:vt") =
        "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
    Add(app, "Application").text().set(ToXmlText(properties.application).c_str());
    Add(app, "PresentationFormat").text().set("On-screen Show (4:3)");
    Add(app, "Slides").text().set(std::to_string(properties.slideCount).c_str());
    return part.Text();
}

std::string SlideXml(const SlideData& slide)
{
    const int layout = LayoutOf(slide);
    CXmlPart part;
    pugi::xml_node root = part.Root("p:sld", nullptr, true);
    pugi::xml_node tree = AddShapeTree(Add(root, "p:cSld"));
    int id = 2;
    int bodies = 0;
    for (const Placeholder& placeholder : slide.placeholders) {
        pugi::xml_node body =
            AddPlaceholderShape(tree, id++, placeholder.name,
                                SlidePlaceholder(placeholder.kind, layout, bodies), nullptr);
        for (const TextParagraph& paragraph : placeholder.paragraphs)
            AddParagraph(body, paragraph.text, std::clamp(paragraph.indentLevel, 1, 5) - 1);
    }
    Add(Add(root, "p:clrMapOvr"), "a:masterClrMapping");
    return part.Text();
}

std::string SlideRelsXml(const SlideData& slide)
{
    CRelationships rels;
    rels.Add(RelationshipType("slideLayout"),
             "../slideLayouts/slideLayout" + std::to_string(LayoutOf(slide)) + ".xml");
    return rels.Text();
}

} // namespace PackageParts
