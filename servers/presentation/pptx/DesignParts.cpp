// SPDX-License-Identifier: MIT
#include "DesignParts.h"

#include "DefaultDesign.h"
#include "ShapeXml.h"
#include "XmlPart.h"

#include <array>
#include <cstdio>

namespace DesignParts {

namespace {

using namespace DefaultDesign;

std::string Hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

void AddColor(pugi::xml_node parent, const char* slot, std::uint32_t rgb)
{
    Add(Add(parent, slot), "a:srgbClr", {{"val", Hex(rgb)}});
}

void AddColorScheme(pugi::xml_node elements)
{
    pugi::xml_node scheme = Add(elements, "a:clrScheme", {{"name", "Quillon"}});
    AddColor(scheme, "a:dk1", kTextRgb);
    AddColor(scheme, "a:lt1", kBackgroundRgb);
    AddColor(scheme, "a:dk2", kTitleRgb);
    AddColor(scheme, "a:lt2", kColorScheme[4]);
    AddColor(scheme, "a:accent1", kBulletRgb);
    AddColor(scheme, "a:accent2", kColorScheme[2]);
    AddColor(scheme, "a:accent3", kColorScheme[3]);
    AddColor(scheme, "a:accent4", kColorScheme[6]);
    AddColor(scheme, "a:accent5", kColorScheme[7]);
    AddColor(scheme, "a:accent6", kColorScheme[1]);
    AddColor(scheme, "a:hlink", kColorScheme[6]);
    AddColor(scheme, "a:folHlink", kColorScheme[7]);
}

void AddFontScheme(pugi::xml_node elements)
{
    pugi::xml_node scheme = Add(elements, "a:fontScheme", {{"name", "Quillon"}});
    for (const char* kind : {"a:majorFont", "a:minorFont"}) {
        pugi::xml_node font = Add(scheme, kind);
        Add(font, "a:latin", {{"typeface", "Arial"}});
        Add(font, "a:ea", {{"typeface", ""}});
        Add(font, "a:cs", {{"typeface", ""}});
    }
}

// The standard asks for at least three styles in each list; plain fills and
// lines in the placeholder colour are all that this design uses.
void AddFormatScheme(pugi::xml_node elements)
{
    pugi::xml_node scheme = Add(elements, "a:fmtScheme", {{"name", "Quillon"}});
    pugi::xml_node fills = Add(scheme, "a:fillStyleLst");
    pugi::xml_node lines = Add(scheme, "a:lnStyleLst");
    pugi::xml_node effects = Add(scheme, "a:effectStyleLst");
    pugi::xml_node backgrounds = Add(scheme, "a:bgFillStyleLst");
    for (int i = 0; i < 3; ++i) {
        Add(Add(fills, "a:solidFill"), "a:schemeClr", {{"val", "phClr"}});
        pugi::xml_node line = Add(lines, "a:ln", {{"w", std::to_string(9525 * (i + 1))}});
        Add(Add(line, "a:solidFill"), "a:schemeClr", {{"val", "phClr"}});
        Add(Add(effects, "a:effectStyle"), "a:effectLst");
        Add(Add(backgrounds, "a:solidFill"), "a:schemeClr", {{"val", "phClr"}});
    }
}

void AddLevelStyle(pugi::xml_node list, int level, int size, const char* colour, const char* bullet)
{
    static constexpr std::array<int, 5> kMargins = {342900, 742950, 1143000, 1600200, 2057400};
    static constexpr std::array<int, 5> kIndents = {-342900, -285750, -228600, -228600, -228600};
    const std::string name = "a:lvl" + std::to_string(level + 1) + "pPr";
    pugi::xml_node style =
        bullet == nullptr
            ? Add(list, name.c_str(), {{"algn", "l"}})
            : Add(list, name.c_str(),
                  {{"marL", std::to_string(kMargins.at(static_cast<std::size_t>(level)))},
                   {"indent", std::to_string(kIndents.at(static_cast<std::size_t>(level)))},
                   {"algn", "l"}});
    if (bullet == nullptr) {
        Add(style, "a:buNone");
    } else {
        Add(Add(style, "a:buClr"), "a:schemeClr", {{"val", "accent1"}});
        Add(style, "a:buFont", {{"typeface", "Arial"}});
        Add(style, "a:buChar", {{"char", bullet}});
    }
    pugi::xml_node run = Add(style, "a:defRPr", {{"sz", std::to_string(size)}});
    Add(Add(run, "a:solidFill"), "a:schemeClr", {{"val", colour}});
    Add(run, "a:latin", {{"typeface", "+mn-lt"}});
}

void AddTextStyles(pugi::xml_node master)
{
    pugi::xml_node styles = Add(master, "p:txStyles");
    AddLevelStyle(Add(styles, "p:titleStyle"), 0, 4000, "tx2", nullptr);
    pugi::xml_node body = Add(styles, "p:bodyStyle");
    static constexpr std::array<int, 5> kSizes = {2800, 2400, 2000, 1800, 1800};
    static constexpr std::array<const char*, 5> kBullets = {
        "\xE2\x80\xA2", "\xE2\x80\x93", "\xE2\x80\xA2", "\xE2\x80\x93", "\xC2\xBB"};
    for (std::size_t level = 0; level < kSizes.size(); ++level)
        AddLevelStyle(body, static_cast<int>(level), kSizes[level], "tx1", kBullets[level]);
    Add(Add(Add(styles, "p:otherStyle"), "a:defPPr"), "a:defRPr", {{"lang", "en-US"}});
}

void AddColorMap(pugi::xml_node master)
{
    Add(master, "p:clrMap",
        {{"bg1", "lt1"},
         {"tx1", "dk1"},
         {"bg2", "lt2"},
         {"tx2", "dk2"},
         {"accent1", "accent1"},
         {"accent2", "accent2"},
         {"accent3", "accent3"},
         {"accent4", "accent4"},
         {"accent5", "accent5"},
         {"accent6", "accent6"},
         {"hlink", "hlink"},
         {"folHlink", "folHlink"}});
}

struct LayoutShape
{
    const char* name;
    PlaceholderRef placeholder;
    const ShapeAnchor* anchor;
};

struct LayoutDescription
{
    const char* type;
    const char* name;
    std::array<LayoutShape, 3> shapes; // name null: unused
};

const LayoutDescription& Layout(int layout)
{
    static const std::array<LayoutDescription, kLayoutCount> kLayouts = {{
        {"title",
         "Title Slide",
         {{{"Title 1", {"ctrTitle"}, &kCenterTitle},
           {"Subtitle 2", {"subTitle", 1}, &kSubtitle},
           {nullptr, {}, nullptr}}}},
        {"obj",
         "Title and Content",
         {{{"Title 1", {"title"}, &kTitle},
           {"Content Placeholder 2", {nullptr, 1}, &kBody},
           {nullptr, {}, nullptr}}}},
        {"twoObj",
         "Two Content",
         {{{"Title 1", {"title"}, &kTitle},
           {"Content Placeholder 2", {nullptr, 1, true}, &kLeftColumn},
           {"Content Placeholder 3", {nullptr, 2, true}, &kRightColumn}}}},
    }};
    return kLayouts.at(static_cast<std::size_t>(layout - 1));
}

} // namespace

std::string ThemeXml()
{
    CXmlPart part;
    pugi::xml_node theme = part.Root("a:theme");
    theme.append_attribute("xmlns:a") = Ns::kDrawing;
    theme.append_attribute("name") = "Quillon";
    pugi::xml_node elements = Add(theme, "a:themeElements");
    AddColorScheme(elements);
    AddFontScheme(elements);
    AddFormatScheme(elements);
    Add(theme, "a:objectDefaults");
    Add(theme, "a:extraClrSchemeLst");
    return part.Text();
}

std::string MasterXml()
{
    CXmlPart part;
    pugi::xml_node master = part.Root("p:sldMaster", nullptr, true);
    pugi::xml_node common = Add(master, "p:cSld");
    Add(Add(Add(common, "p:bg"), "p:bgRef", {{"idx", "1001"}}), "a:schemeClr", {{"val", "bg1"}});
    pugi::xml_node tree = AddShapeTree(common);
    AddParagraph(AddPlaceholderShape(tree, 2, "Title Placeholder 1", {"title"}, &kTitle),
                 "Click to edit Master title style", 0);
    pugi::xml_node body = AddPlaceholderShape(tree, 3, "Text Placeholder 2", {"body", 1}, &kBody);
    for (int level = 0; level < 5; ++level)
        AddParagraph(body, "Level " + std::to_string(level + 1), level);
    AddColorMap(master);
    pugi::xml_node layouts = Add(master, "p:sldLayoutIdLst");
    for (int i = 1; i <= kLayoutCount; ++i) {
        // Master and layout ids share one range, from 2^31 up.
        Add(layouts, "p:sldLayoutId",
            {{"id", std::to_string(2147483648U + static_cast<unsigned>(i))},
             {"r:id", "rId" + std::to_string(i)}});
    }
    AddTextStyles(master);
    return part.Text();
}

std::string MasterRelsXml()
{
    CRelationships rels;
    for (int i = 1; i <= kLayoutCount; ++i)
        rels.Add(RelationshipType("slideLayout"),
                 "../slideLayouts/slideLayout" + std::to_string(i) + ".xml");
    rels.Add(RelationshipType("theme"), "../theme/theme1.xml");
    return rels.Text();
}

std::string LayoutXml(int layout)
{
    const LayoutDescription& description = Layout(layout);
    CXmlPart part;
    pugi::xml_node root = part.Root("p:sldLayout", nullptr, true);
    root.append_attribute("type") = description.type;
    root.append_attribute("preserve") = "1";
    pugi::xml_node common = Add(root, "p:cSld", {{"name", description.name}});
    pugi::xml_node tree = AddShapeTree(common);
    int id = 2;
    for (const LayoutShape& shape : description.shapes) {
        if (shape.name == nullptr)
            continue;
        pugi::xml_node body =
            AddPlaceholderShape(tree, id++, shape.name, shape.placeholder, shape.anchor);
        if (layout == 1 && shape.placeholder.index == 1) {
            // The subtitle is centred text without bullets.
            pugi::xml_node level = Add(body.child("a:lstStyle"), "a:lvl1pPr",
                                       {{"marL", "0"}, {"indent", "0"}, {"algn", "ctr"}});
            Add(level, "a:buNone");
        }
        AddParagraph(body, "", 0);
    }
    Add(Add(root, "p:clrMapOvr"), "a:masterClrMapping");
    return part.Text();
}

std::string LayoutRelsXml()
{
    CRelationships rels;
    rels.Add(RelationshipType("slideMaster"), "../slideMasters/slideMaster1.xml");
    return rels.Text();
}

PackageDesign OwnDesign()
{
    const std::string ml = "application/vnd.openxmlformats-officedocument.presentationml.";
    const std::string rels = "application/vnd.openxmlformats-package.relationships+xml";
    PackageDesign design;
    design.masterPart = "ppt/slideMasters/slideMaster1.xml";
    design.themePart = "ppt/theme/theme1.xml";
    design.parts = {{design.masterPart, ml + "slideMaster+xml", MasterXml()},
                    {"ppt/slideMasters/_rels/slideMaster1.xml.rels", rels, MasterRelsXml()}};
    for (int i = 1; i <= kLayoutCount; ++i) {
        const std::string name = "slideLayout" + std::to_string(i) + ".xml";
        design.parts.push_back({"ppt/slideLayouts/" + name, ml + "slideLayout+xml", LayoutXml(i)});
        design.parts.push_back({"ppt/slideLayouts/_rels/" + name + ".rels", rels, LayoutRelsXml()});
        design.layouts.at(static_cast<std::size_t>(i - 1)).part = "ppt/slideLayouts/" + name;
    }
    design.parts.push_back(
        {design.themePart, "application/vnd.openxmlformats-officedocument.theme+xml", ThemeXml()});
    design.layouts[0].title = {"ctrTitle"};
    design.layouts[0].subtitle = {"subTitle", 1};
    design.layouts[1].title = design.layouts[2].title = {"title"};
    design.layouts[1].bodies[0] = {"", 1};
    design.layouts[2].bodies = {{{"", 1, true}, {"", 2, true}}};
    return design;
}

} // namespace DesignParts
