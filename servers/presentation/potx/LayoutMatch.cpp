// SPDX-License-Identifier: MIT
#include "LayoutMatch.h"

#include "PackageXml.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <set>

namespace LayoutMatch {

namespace {

using PackageXml::Child;
using PackageXml::LocalName;

// Layout types in the order each of our layouts takes them. A title slide
// can live on a content layout, its subtitle in the body; two columns that
// find no two-column layout are the content layout's body split in two.
const std::array<std::vector<std::string>, 3> kPreferred = {{
    {"title", "obj", "tx"},
    {"obj", "tx", "objOnly", "objTx", "txAndObj"},
    {"twoObj", "twoColTx"},
}};

struct Spot
{
    std::string type; // as stored; empty when absent, which means obj
    int index = -1;
    std::optional<PlaceholderSpot::Frame> frame;
};

std::optional<std::int64_t> Number(const pugi::xml_attribute& attribute)
{
    if (!attribute)
        return std::nullopt;
    char* end = nullptr;
    const long long value = std::strtoll(attribute.value(), &end, 10);
    if (end == attribute.value() || *end != '\0' || value < -51206400 * 4LL ||
        value > 51206400 * 4LL)
        return std::nullopt;
    return value;
}

std::optional<PlaceholderSpot::Frame> FrameOf(const pugi::xml_node& shape)
{
    const pugi::xml_node transform = Child(Child(shape, "spPr"), "xfrm");
    const auto x = Number(Child(transform, "off").attribute("x"));
    const auto y = Number(Child(transform, "off").attribute("y"));
    const auto width = Number(Child(transform, "ext").attribute("cx"));
    const auto height = Number(Child(transform, "ext").attribute("cy"));
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return PlaceholderSpot::Frame{*x, *y, *width, *height};
}

// The placeholder shapes at the top of a layout's or master's shape tree.
std::vector<Spot> Placeholders(const pugi::xml_document& xml)
{
    std::vector<Spot> spots;
    const pugi::xml_node tree = Child(Child(xml.document_element(), "cSld"), "spTree");
    for (const pugi::xml_node shape : tree.children()) {
        if (LocalName(shape) != "sp")
            continue;
        const pugi::xml_node ph = Child(Child(Child(shape, "nvSpPr"), "nvPr"), "ph");
        if (!ph)
            continue;
        const auto index = Number(ph.attribute("idx"));
        spots.push_back(
            {ph.attribute("type").value(),
             index && *index >= 0 && *index <= 0x7FFFFFFF ? static_cast<int>(*index) : -1,
             FrameOf(shape)});
    }
    return spots;
}

bool IsBody(const Spot& spot)
{
    return spot.type.empty() || spot.type == "obj" || spot.type == "body";
}

// A slide placeholder names its layout's by type and index. When the layout
// has two of one name (some programs leave every content placeholder
// without an index), only a frame of its own puts each where its layout's is.
PlaceholderSpot ToSpot(const Spot& spot, const std::vector<Spot>& all)
{
    // Without a type or index a placeholder is content number 0.
    PlaceholderSpot result{spot.type, spot.type.empty() && spot.index < 0 ? 0 : spot.index};
    const auto twins = std::count_if(all.begin(), all.end(), [&spot](const Spot& other) {
        return other.type == spot.type && other.index == spot.index;
    });
    if (twins > 1)
        result.frame = spot.frame;
    return result;
}

std::optional<PlaceholderSpot::Frame> MasterFrame(const std::vector<Spot>& master, bool title)
{
    for (const Spot& spot : master) {
        if (title ? (spot.type == "title") : (spot.type == "body"))
            return spot.frame;
    }
    return std::nullopt;
}

bool HasSubtitle(const Layout& layout)
{
    const std::vector<Spot> spots = Placeholders(*layout.xml);
    return std::any_of(spots.begin(), spots.end(), [](const Spot& spot) {
        return spot.type == "subTitle" || spot.type == "ctrTitle";
    });
}

std::size_t Choose(const std::vector<Layout>& layouts, std::size_t ours, std::size_t fallback)
{
    for (const std::string& type : kPreferred.at(ours)) {
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            if (layouts[i].type == type)
                return i;
        }
        // Some programs store their title layout under another type; its
        // subtitle or centre title gives it away.
        if (type == "title") {
            const auto found = std::find_if(layouts.begin(), layouts.end(), HasSubtitle);
            if (found != layouts.end())
                return static_cast<std::size_t>(found - layouts.begin());
        }
    }
    return fallback;
}

void Place(const std::vector<Spot>& spots, const std::vector<Spot>& master, std::size_t ours,
           PackageLayout& layout)
{
    std::vector<Spot> bodies;
    std::copy_if(spots.begin(), spots.end(), std::back_inserter(bodies), IsBody);
    // Columns left to right, whatever order the layout lists them in.
    const auto left = [](const Spot& spot) {
        return spot.frame ? spot.frame->x : std::numeric_limits<std::int64_t>::max();
    };
    std::stable_sort(bodies.begin(), bodies.end(),
                     [&left](const Spot& a, const Spot& b) { return left(a) < left(b); });
    layout.title = {ours == 0 ? "ctrTitle" : "title"};
    for (const char* type : {ours == 0 ? "ctrTitle" : "title", ours == 0 ? "title" : "ctrTitle"}) {
        const auto found = std::find_if(spots.begin(), spots.end(),
                                        [type](const Spot& spot) { return spot.type == type; });
        if (found != spots.end()) {
            layout.title = ToSpot(*found, spots);
            break;
        }
    }
    const auto subtitle = std::find_if(spots.begin(), spots.end(),
                                       [](const Spot& spot) { return spot.type == "subTitle"; });
    layout.subtitle = subtitle != spots.end() ? ToSpot(*subtitle, spots)
                      : !bodies.empty()       ? ToSpot(bodies.front(), spots)
                                              : PlaceholderSpot{"body", 1};
    layout.bodies[0] = bodies.empty() ? PlaceholderSpot{"body", 1} : ToSpot(bodies[0], spots);
    layout.bodies[1] = bodies.size() > 1 ? ToSpot(bodies[1], spots) : PlaceholderSpot{};
    if (ours != 2 || bodies.size() > 1)
        return;
    // One body for two columns: each takes a half of it, a little apart.
    const std::optional<PlaceholderSpot::Frame> whole =
        bodies.empty() || !bodies[0].frame ? MasterFrame(master, false) : bodies[0].frame;
    if (!whole)
        return;
    const std::int64_t gap = whole->width / 25;
    const std::int64_t half = (whole->width - gap) / 2;
    layout.bodies[1] = layout.bodies[0];
    layout.bodies[0].frame = PlaceholderSpot::Frame{whole->x, whole->y, half, whole->height};
    layout.bodies[1].frame =
        PlaceholderSpot::Frame{whole->x + half + gap, whole->y, half, whole->height};
}

} // namespace

int Score(const std::vector<std::string>& layoutTypes)
{
    int score = 0;
    for (const std::vector<std::string>& preferred : kPreferred) {
        if (std::find(layoutTypes.begin(), layoutTypes.end(), preferred.front()) !=
            layoutTypes.end())
            ++score;
    }
    return score;
}

void Match(const std::vector<Layout>& layouts, const pugi::xml_document& master,
           PackageDesign& design)
{
    const std::vector<Spot> masterSpots = Placeholders(master);
    // Text slides fall back on the first layout, the others on the text slides' one.
    const std::size_t text = Choose(layouts, 1, 0);
    const std::array<std::size_t, 3> chosen = {Choose(layouts, 0, text), text,
                                               Choose(layouts, 2, text)};
    for (std::size_t ours = 0; ours < chosen.size(); ++ours) {
        const Layout& layout = layouts.at(chosen[ours]);
        design.layouts.at(ours).part = layout.part;
        Place(Placeholders(*layout.xml), masterSpots, ours, design.layouts.at(ours));
    }
}

} // namespace LayoutMatch
