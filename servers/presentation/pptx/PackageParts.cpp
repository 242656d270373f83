// SPDX-License-Identifier: MIT
#include "PackageParts.h"

#include "DesignParts.h"
#include "PartName.h"
#include "ShapeXml.h"
#include "Utf8Text.h"
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

bool IsSet(const PlaceholderSpot& spot)
{
    return !spot.type.empty() || spot.index >= 0 || spot.frame;
}

// The layout's own spot for a placeholder, or the one every layout of ours
// would give it.
PlaceholderSpot SlidePlaceholder(PlaceholderKind kind, const PackageLayout& layout,
                                 int layoutNumber, int& bodies)
{
    switch (kind) {
    case PlaceholderKind::CenterTitle:
        return IsSet(layout.title) ? layout.title : PlaceholderSpot{"ctrTitle"};
    case PlaceholderKind::Subtitle:
        return IsSet(layout.subtitle) ? layout.subtitle : PlaceholderSpot{"subTitle", 1};
    case PlaceholderKind::Title:
        return IsSet(layout.title) ? layout.title : PlaceholderSpot{"title"};
    case PlaceholderKind::Body:
        break;
    }
    ++bodies;
    const std::size_t column = bodies > 1 ? 1 : 0;
    if (IsSet(layout.bodies.at(column)) && bodies <= 2)
        return layout.bodies.at(column);
    return {"", bodies, layoutNumber == 3};
}

// Frames are in EMUs, as the layouts' own.
void AddFrame(pugi::xml_node textBody, const PlaceholderSpot::Frame& frame)
{
    pugi::xml_node properties = textBody.parent().child("p:spPr");
    pugi::xml_node transform = properties.prepend_child("a:xfrm");
    Add(transform, "a:off", {{"x", std::to_string(frame.x)}, {"y", std::to_string(frame.y)}});
    Add(transform, "a:ext",
        {{"cx", std::to_string(frame.width)}, {"cy", std::to_string(frame.height)}});
}

} // namespace

namespace {

// Stands where the entries of every slide go while the part around them is
// written; pugixml escapes every "<" in text and attribute values, so only
// this matches.
constexpr const char* kListMarkerName = "slides";
constexpr std::string_view kListMarker = "<?slides?>";
constexpr std::size_t kSlidesAPiece = 128;

// A part that lists every slide, made as the XML before the list, the list
// kSlidesAPiece slides at a time, and the XML after it: held whole, the
// presentation's relationships alone were 0.9 MB of tree and text for a note
// of 1,400 slides, at the peak of the save.
class CListPieces final : public IPartPieces
{
public:
    // The entry of slide number (from 1), as pugixml would write it.
    using Entry = std::string (*)(std::size_t number);

    CListPieces(const CXmlPart& part, std::size_t slideCount, Entry entry)
        : m_count(slideCount), m_entry(entry)
    {
        std::string skeleton = part.Text();
        const std::size_t marker = skeleton.find(kListMarker);
        if (marker == std::string::npos) {
            m_before = std::move(skeleton);
            m_count = 0;
            return;
        }
        m_after = skeleton.substr(marker + kListMarker.size());
        skeleton.resize(marker);
        m_before = std::move(skeleton);
    }

    bool Next(std::string& piece) override
    {
        switch (m_stage) {
        case Stage::Before:
            piece = m_before;
            m_stage = Stage::List;
            return true;
        case Stage::List:
            if (m_next <= m_count) {
                piece.clear();
                for (const std::size_t end = std::min(m_count, m_next + kSlidesAPiece - 1);
                     m_next <= end; ++m_next)
                    piece += m_entry(m_next);
                return true;
            }
            piece = m_after;
            m_stage = Stage::Done;
            return true;
        case Stage::Done:
            break;
        }
        return false;
    }

private:
    enum class Stage
    {
        Before,
        List,
        Done
    };

    std::string m_before;
    std::string m_after;
    std::size_t m_count;
    Entry m_entry;
    std::size_t m_next = 1;
    Stage m_stage = Stage::Before;
};

void AddListMarker(pugi::xml_node parent)
{
    parent.append_child(pugi::node_pi).set_name(kListMarkerName);
}

std::string SlidePartName(std::size_t number)
{
    return "slides/slide" + std::to_string(number) + ".xml";
}

std::string SlideOverride(std::size_t number)
{
    return "<Override PartName=\"/ppt/" + SlidePartName(number) + "\" ContentType=\"" +
           kPresentationMl + "slide+xml\"/>";
}

std::string SlideId(std::size_t number)
{
    return "<p:sldId id=\"" + std::to_string(255 + number) + "\" r:id=\"rId" +
           std::to_string(kFirstSlideRelationship - 1 + number) + "\"/>";
}

std::string SlideRelationship(std::size_t number)
{
    return "<Relationship Id=\"rId" + std::to_string(kFirstSlideRelationship - 1 + number) +
           "\" Type=\"" + RelationshipType("slide") + "\" Target=\"" + SlidePartName(number) +
           "\"/>";
}

std::string Joined(IPartPieces& pieces)
{
    std::string text;
    for (std::string piece; pieces.Next(piece);)
        text += piece;
    return text;
}

} // namespace

std::unique_ptr<IPartPieces> ContentTypesPieces(std::size_t slideCount, const PackageDesign& design,
                                                bool isTemplate)
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
    // Relationship parts have their type by extension; every other part of
    // the design is listed by name, whatever its extension.
    for (const PackageDesignPart& designPart : design.parts) {
        if (!designPart.name.ends_with(".rels"))
            AddOverride(types, "/" + designPart.name, designPart.contentType);
    }
    AddListMarker(types);
    AddOverride(types, "/docProps/core.xml",
                "application/vnd.openxmlformats-package.core-properties+xml");
    AddOverride(types, "/docProps/app.xml",
                "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    return std::make_unique<CListPieces>(part, slideCount, SlideOverride);
}

std::string ContentTypesXml(std::size_t slideCount, const PackageDesign& design, bool isTemplate)
{
    return Joined(*ContentTypesPieces(slideCount, design, isTemplate));
}

std::string RootRelsXml()
{
    CRelationships rels;
    rels.Add(RelationshipType("officeDocument"), "ppt/presentation.xml");
    rels.Add(RelationshipType("core-properties"), "docProps/core.xml");
    rels.Add(RelationshipType("extended-properties"), "docProps/app.xml");
    return rels.Text();
}

std::unique_ptr<IPartPieces> PresentationPieces(std::size_t slideCount, const PackageDesign& design)
{
    CXmlPart part;
    pugi::xml_node presentation = part.Root("p:presentation", nullptr, true);
    Add(Add(presentation, "p:sldMasterIdLst"), "p:sldMasterId",
        {{"id", "2147483648"}, {"r:id", "rId1"}});
    // An empty list is left out, as the schema wants at least one slide in it.
    if (slideCount > 0)
        AddListMarker(Add(presentation, "p:sldIdLst"));
    pugi::xml_node size = Add(
        presentation, "p:sldSz",
        {{"cx", std::to_string(design.slideWidth)}, {"cy", std::to_string(design.slideHeight)}});
    if (!design.slideSizeType.empty())
        size.append_attribute("type") = design.slideSizeType.c_str();
    Add(presentation, "p:notesSz", {{"cx", "6858000"}, {"cy", "9144000"}});
    return std::make_unique<CListPieces>(part, slideCount, SlideId);
}

std::string PresentationXml(std::size_t slideCount, const PackageDesign& design)
{
    return Joined(*PresentationPieces(slideCount, design));
}

std::unique_ptr<IPartPieces> PresentationRelsPieces(std::size_t slideCount,
                                                    const PackageDesign& design)
{
    CRelationships rels;
    const std::string self = "ppt/presentation.xml";
    rels.Add(RelationshipType("slideMaster"), PartName::RelativeTarget(self, design.masterPart));
    rels.Add(RelationshipType("theme"), PartName::RelativeTarget(self, design.themePart));
    AddListMarker(rels.Root());
    return std::make_unique<CListPieces>(rels.Part(), slideCount, SlideRelationship);
}

std::string PresentationRelsXml(std::size_t slideCount, const PackageDesign& design)
{
    return Joined(*PresentationRelsPieces(slideCount, design));
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

namespace {

// Stands where a placeholder's paragraphs go while the slide around them is
// written, and where a long paragraph's text goes while its markup is;
// pugixml escapes every "<" in text and attribute values, so only these match.
constexpr const char* kMarkerName = "paragraphs";
constexpr std::string_view kParagraphsMarker = "<?paragraphs?>";
constexpr const char* kTextMarkerName = "text";
constexpr std::string_view kTextMarker = "<?text?>";

int ParagraphLevel(const ParagraphView& paragraph)
{
    return std::clamp(paragraph.indentLevel, 1, 5) - 1;
}

// The slide with fill called on each placeholder's empty text body.
template <typename Fill>
CXmlPart SlideTree(const SlideData& slide, const PackageDesign& design, Fill fill)
{
    const int layout = LayoutOf(slide);
    const PackageLayout& spots = design.layouts.at(static_cast<std::size_t>(layout - 1));
    CXmlPart part;
    pugi::xml_node root = part.Root("p:sld", nullptr, true);
    pugi::xml_node tree = AddShapeTree(Add(root, "p:cSld"));
    int id = 2;
    int bodies = 0;
    for (const Placeholder& placeholder : slide.placeholders) {
        const PlaceholderSpot spot = SlidePlaceholder(placeholder.kind, spots, layout, bodies);
        const PlaceholderRef ref{spot.type.empty() ? nullptr : spot.type.c_str(), spot.index,
                                 spot.half};
        pugi::xml_node body = AddPlaceholderShape(tree, id++, placeholder.name, ref, nullptr);
        if (spot.frame)
            AddFrame(body, *spot.frame);
        fill(body, placeholder);
    }
    Add(Add(root, "p:clrMapOvr"), "a:masterClrMapping");
    return part;
}

// The end of the piece of text that starts at from: kTextAPiece bytes, cut
// before a character's first byte so no piece splits one; bytes that are not
// UTF-8 are read one at a time, so a cut before any byte that does not continue
// a sequence reads them alike.
std::size_t TextPieceEnd(std::string_view text, std::size_t from)
{
    const std::size_t end = from + kTextAPiece;
    if (end >= text.size())
        return text.size();
    const std::size_t boundary = CharacterBoundaryAtOrBefore(text, end);
    // Only stray continuation bytes all the way back: no character to split.
    return boundary > from ? boundary : end;
}

// Text escaped as it would be inside its element.
std::string EscapedText(std::string_view text)
{
    pugi::xml_document fragment;
    SetXmlText(fragment, text);
    return XmlFragment(fragment);
}

class CSlidePieces final : public IPartPieces
{
public:
    CSlidePieces(const SlideData& slide, const PackageDesign& design) : m_slide(slide)
    {
        const std::string skeleton =
            SlideTree(slide, design, [](pugi::xml_node body, const Placeholder&) {
                body.append_child(pugi::node_pi).set_name(kMarkerName);
            }).Text();
        std::size_t start = 0;
        for (std::size_t marker;
             (marker = skeleton.find(kParagraphsMarker, start)) != std::string::npos;
             start = marker + kParagraphsMarker.size())
            m_around.push_back(skeleton.substr(start, marker - start));
        m_around.push_back(skeleton.substr(start));
    }

    bool Next(std::string& piece) override
    {
        for (;;) {
            if (!m_aroundWritten) {
                if (m_placeholder >= m_around.size())
                    return false;
                piece = m_around[m_placeholder];
                m_aroundWritten = true;
                return true;
            }
            if (m_inLongText) {
                LongTextPiece(piece);
                return true;
            }
            if (m_placeholder < m_slide.placeholders.size()) {
                const CParagraphs& paragraphs = m_slide.placeholders[m_placeholder].paragraphs;
                if (m_paragraph < paragraphs.size()) {
                    if (paragraphs[m_paragraph].text.size() > kTextAPiece)
                        StartLongText(paragraphs[m_paragraph], piece);
                    else
                        piece = Paragraphs(paragraphs);
                    return true;
                }
            }
            ++m_placeholder;
            m_paragraph = 0;
            m_aroundWritten = false;
        }
    }

private:
    // Paragraphs up to kParagraphsAPiece of them or kTextAPiece of text,
    // stopping before a long one.
    std::string Paragraphs(const CParagraphs& paragraphs)
    {
        const std::size_t end = std::min(paragraphs.size(), m_paragraph + kParagraphsAPiece);
        pugi::xml_document batch;
        for (std::size_t text = 0; m_paragraph < end && text < kTextAPiece; ++m_paragraph) {
            const ParagraphView paragraph = paragraphs[m_paragraph];
            if (paragraph.text.size() > kTextAPiece)
                break;
            text += paragraph.text.size();
            AddParagraph(batch, paragraph.text, ParagraphLevel(paragraph));
        }
        return XmlFragment(batch);
    }

    // A paragraph's markup up to its text; the text follows kTextAPiece at a time.
    void StartLongText(const ParagraphView& paragraph, std::string& piece)
    {
        pugi::xml_document markup;
        AddRunParagraph(markup, ParagraphLevel(paragraph))
            .append_child(pugi::node_pi)
            .set_name(kTextMarkerName);
        piece = XmlFragment(markup);
        const std::size_t marker = piece.find(kTextMarker);
        m_textEnd = piece.substr(marker + kTextMarker.size());
        piece.resize(marker);
        m_longText = paragraph.text;
        m_textAt = 0;
        m_inLongText = true;
    }

    void LongTextPiece(std::string& piece)
    {
        if (m_textAt < m_longText.size()) {
            const std::size_t end = TextPieceEnd(m_longText, m_textAt);
            piece = EscapedText(m_longText.substr(m_textAt, end - m_textAt));
            m_textAt = end;
            return;
        }
        piece = std::move(m_textEnd);
        m_textEnd.clear();
        m_inLongText = false;
        ++m_paragraph;
    }

    const SlideData& m_slide;
    std::vector<std::string> m_around; // the XML before, between and after the paragraphs
    std::size_t m_placeholder = 0;
    std::size_t m_paragraph = 0;
    bool m_aroundWritten = false;
    bool m_inLongText = false;
    std::string_view m_longText; // a paragraph's text written a piece at a time
    std::size_t m_textAt = 0;
    std::string m_textEnd; // the long paragraph's markup after its text
};

} // namespace

std::unique_ptr<IPartPieces> SlidePieces(const SlideData& slide, const PackageDesign& design)
{
    return std::make_unique<CSlidePieces>(slide, design);
}

bool IsLargeSlide(const SlideData& slide)
{
    std::size_t paragraphs = 0;
    std::size_t text = 0;
    for (const Placeholder& placeholder : slide.placeholders) {
        paragraphs += placeholder.paragraphs.size();
        for (const ParagraphView paragraph : placeholder.paragraphs)
            text += paragraph.text.size();
    }
    return paragraphs > kParagraphsAPiece || text > kLargeSlideText;
}

std::string SlideXml(const SlideData& slide, const PackageDesign& design)
{
    return SlideTree(slide, design,
                     [](pugi::xml_node body, const Placeholder& placeholder) {
                         for (const ParagraphView paragraph : placeholder.paragraphs)
                             AddParagraph(body, paragraph.text, ParagraphLevel(paragraph));
                     })
        .Text();
}

std::string SlideRelsXml(const SlideData& slide, const PackageDesign& design)
{
    CRelationships rels;
    const std::string& layout =
        design.layouts.at(static_cast<std::size_t>(LayoutOf(slide) - 1)).part;
    rels.Add(RelationshipType("slideLayout"),
             PartName::RelativeTarget("ppt/slides/slide.xml", layout));
    return rels.Text();
}

} // namespace PackageParts
