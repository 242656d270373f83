// SPDX-License-Identifier: MIT
#include "DesignParts.h"

#include "DefaultDesign.h"
#include "ShapeXml.h"
#include "TextEncoding.h"
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

void AddColorScheme(pugi::xml_node elements, const DesignDescription& design)
{
    const std::array<std::uint32_t, 8>& colours = design.colorScheme;
    pugi::xml_node scheme = Add(elements, "a:clrScheme", {{"name", "Quillon"}});
    AddColor(scheme, "a:dk1", design.TextRgb());
    AddColor(scheme, "a:lt1", design.BackgroundRgb());
    AddColor(scheme, "a:dk2", design.TitleRgb());
    AddColor(scheme, "a:lt2", colours[4]);
    AddColor(scheme, "a:accent1", colours[5]);
    AddColor(scheme, "a:accent2", colours[2]);
    AddColor(scheme, "a:accent3", colours[3]);
    AddColor(scheme, "a:accent4", colours[6]);
    AddColor(scheme, "a:accent5", colours[7]);
    AddColor(scheme, "a:accent6", colours[1]);
    AddColor(scheme, "a:hlink", colours[6]);
    AddColor(scheme, "a:folHlink", colours[7]);
}

void AddFontScheme(pugi::xml_node elements, const DesignDescription& design)
{
    pugi::xml_node scheme = Add(elements, "a:fontScheme", {{"name", "Quillon"}});
    for (const auto& [kind, typeface] : {std::pair{"a:majorFont", &design.titleFont},
                                         std::pair{"a:minorFont", &design.bodyFont}}) {
        pugi::xml_node font = Add(scheme, kind);
        Add(font, "a:latin", {{"typeface", Utf16ToUtf8(*typeface)}});
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

// How one level of a text style looks; bullet empty: none.
struct LevelLook
{
    int size; // points
    const char* colour;
    const char* font; // a theme font, +mj-lt or +mn-lt
    bool bold = false;
    std::u16string bullet;
};

// The bullet colour follows the theme while it is the accent colour.
void AddBulletColour(pugi::xml_node style, const DesignDescription& design)
{
    if (design.bulletRgb == design.colorScheme[5])
        Add(Add(style, "a:buClr"), "a:schemeClr", {{"val", "accent1"}});
    else
        AddColor(style, "a:buClr", design.bulletRgb);
}

void AddLevelStyle(pugi::xml_node list, int level, const LevelLook& look,
                   const DesignDescription& design)
{
    static constexpr std::array<int, 5> kMargins = {342900, 742950, 1143000, 1600200, 2057400};
    static constexpr std::array<int, 5> kIndents = {-342900, -285750, -228600, -228600, -228600};
    const std::string name = "a:lvl" + std::to_string(level + 1) + "pPr";
    pugi::xml_node style =
        look.bullet.empty()
            ? Add(list, name.c_str(), {{"algn", "l"}})
            : Add(list, name.c_str(),
                  {{"marL", std::to_string(kMargins.at(static_cast<std::size_t>(level)))},
                   {"indent", std::to_string(kIndents.at(static_cast<std::size_t>(level)))},
                   {"algn", "l"}});
    if (look.bullet.empty()) {
        Add(style, "a:buNone");
    } else {
        AddBulletColour(style, design);
        Add(style, "a:buFont", {{"typeface", Utf16ToUtf8(design.bodyFont)}});
        Add(style, "a:buChar", {{"char", Utf16ToUtf8(look.bullet)}});
    }
    pugi::xml_node run = Add(style, "a:defRPr", {{"sz", std::to_string(look.size * 100)}});
    if (look.bold)
        run.append_attribute("b") = "1";
    Add(Add(run, "a:solidFill"), "a:schemeClr", {{"val", look.colour}});
    Add(run, "a:latin", {{"typeface", look.font}});
}

void AddTextStyles(pugi::xml_node master, const DesignDescription& design)
{
    pugi::xml_node styles = Add(master, "p:txStyles");
    AddLevelStyle(Add(styles, "p:titleStyle"), 0,
                  {design.titleSize, "tx2", "+mj-lt", design.titleBold, {}}, design);
    pugi::xml_node body = Add(styles, "p:bodyStyle");
    for (std::size_t level = 0; level < design.bodyLevels.size(); ++level) {
        const DesignDescription::BodyLevel& described = design.bodyLevels[level];
        AddLevelStyle(body, static_cast<int>(level),
                      {described.fontSize, "tx1", "+mn-lt", false, {described.bullet}}, design);
    }
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

std::string ThemeXml(const DesignDescription& design)
{
    CXmlPart part;
    pugi::xml_node theme = part.Root("a:theme");
    theme.append_attribute("xmlns:a") = Ns::kDrawing;
    theme.append_attribute("name") = "Quillon";
    pugi::xml_node elements = Add(theme, "a:themeElements");
    AddColorScheme(elements, design);
    AddFontScheme(elements, design);
    AddFormatScheme(elements);
    Add(theme, "a:objectDefaults");
    Add(theme, "a:extraClrSchemeLst");
    return part.Text();
}

std::string MasterXml(const DesignDescription& design)
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
    AddTextStyles(master, design);
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

PackageDesign OwnDesign(const DesignDescription& description)
{
    const std::string ml = "application/vnd.openxmlformats-officedocument.presentationml.";
    const std::string rels = "application/vnd.openxmlformats-package.relationships+xml";
    PackageDesign design;
    design.masterPart = "ppt/slideMasters/slideMaster1.xml";
    design.themePart = "ppt/theme/theme1.xml";
    design.parts = {{design.masterPart, ml + "slideMaster+xml", MasterXml(description)},
                    {"ppt/slideMasters/_rels/slideMaster1.xml.rels", rels, MasterRelsXml()}};
    for (int i = 1; i <= kLayoutCount; ++i) {
        const std::string name = "slideLayout" + std::to_string(i) + ".xml";
        design.parts.push_back({"ppt/slideLayouts/" + name, ml + "slideLayout+xml", LayoutXml(i)});
        design.parts.push_back({"ppt/slideLayouts/_rels/" + name + ".rels", rels, LayoutRelsXml()});
        design.layouts.at(static_cast<std::size_t>(i - 1)).part = "ppt/slideLayouts/" + name;
    }
    design.parts.push_back({design.themePart,
                            "application/vnd.openxmlformats-officedocument.theme+xml",
                            ThemeXml(description)});
    design.layouts[0].title = {"ctrTitle"};
    design.layouts[0].subtitle = {"subTitle", 1};
    design.layouts[1].title = design.layouts[2].title = {"title"};
    design.layouts[1].bodies[0] = {"", 1};
    design.layouts[2].bodies = {{{"", 1, true}, {"", 2, true}}};
    return design;
}

} // namespace DesignParts
