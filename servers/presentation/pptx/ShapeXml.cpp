// SPDX-License-Identifier: MIT
#include "ShapeXml.h"

#include "DefaultDesign.h"
#include "XmlPart.h"

namespace {

// Master units are 576 an inch, EMUs 914,400.
std::string Emu(int masterUnits)
{
    return std::to_string(static_cast<long long>(masterUnits) * 3175 / 2);
}

void AddTransform(pugi::xml_node shapeProperties, const ShapeAnchor& anchor)
{
    pugi::xml_node transform = Add(shapeProperties, "a:xfrm");
    Add(transform, "a:off", {{"x", Emu(anchor.left)}, {"y", Emu(anchor.top)}});
    Add(transform, "a:ext",
        {{"cx", Emu(anchor.right - anchor.left)}, {"cy", Emu(anchor.bottom - anchor.top)}});
    Add(Add(shapeProperties, "a:prstGeom", {{"prst", "rect"}}), "a:avLst");
}

} // namespace

pugi::xml_node AddShapeTree(pugi::xml_node commonSlideData)
{
    pugi::xml_node tree = Add(commonSlideData, "p:spTree");
    pugi::xml_node names = Add(tree, "p:nvGrpSpPr");
    Add(names, "p:cNvPr", {{"id", "1"}, {"name", ""}});
    Add(names, "p:cNvGrpSpPr");
    Add(names, "p:nvPr");
    pugi::xml_node transform = Add(Add(tree, "p:grpSpPr"), "a:xfrm");
    Add(transform, "a:off", {{"x", "0"}, {"y", "0"}});
    Add(transform, "a:ext", {{"cx", "0"}, {"cy", "0"}});
    Add(transform, "a:chOff", {{"x", "0"}, {"y", "0"}});
    Add(transform, "a:chExt", {{"cx", "0"}, {"cy", "0"}});
    return tree;
}

pugi::xml_node AddPlaceholderShape(pugi::xml_node tree, int id, const std::string& name,
                                   const PlaceholderRef& placeholder, const ShapeAnchor* anchor)
{
    pugi::xml_node shape = Add(tree, "p:sp");
    pugi::xml_node names = Add(shape, "p:nvSpPr");
    Add(names, "p:cNvPr", {{"id", std::to_string(id)}, {"name", ToXmlText(name)}});
    Add(Add(names, "p:cNvSpPr"), "a:spLocks", {{"noGrp", "1"}});
    pugi::xml_node ph = Add(Add(names, "p:nvPr"), "p:ph");
    if (placeholder.type != nullptr)
        ph.append_attribute("type") = placeholder.type;
    if (placeholder.half)
        ph.append_attribute("sz") = "half";
    if (placeholder.index >= 0)
        ph.append_attribute("idx") = placeholder.index;
    pugi::xml_node properties = Add(shape, "p:spPr");
    if (anchor != nullptr)
        AddTransform(properties, *anchor);
    pugi::xml_node body = Add(shape, "p:txBody");
    Add(body, "a:bodyPr");
    Add(body, "a:lstStyle");
    return body;
}

pugi::xml_node AddRunParagraph(pugi::xml_node textBody, int level)
{
    pugi::xml_node paragraph = Add(textBody, "a:p");
    if (level > 0)
        Add(paragraph, "a:pPr", {{"lvl", std::to_string(level)}});
    pugi::xml_node run = Add(paragraph, "a:r");
    Add(run, "a:rPr", {{"lang", "en-US"}});
    return Add(run, "a:t");
}

void AddParagraph(pugi::xml_node textBody, std::string_view text, int level)
{
    if (!text.empty()) {
        SetXmlText(AddRunParagraph(textBody, level), text);
        return;
    }
    pugi::xml_node paragraph = Add(textBody, "a:p");
    if (level > 0)
        Add(paragraph, "a:pPr", {{"lvl", std::to_string(level)}});
    Add(paragraph, "a:endParaRPr", {{"lang", "en-US"}});
}
