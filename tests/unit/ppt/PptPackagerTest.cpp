// SPDX-License-Identifier: MIT
#include "PptPackager.h"

#include "PptFormat.h"
#include "PptReader.h"
#include "RecordReader.h"
#include "SampleDocuments.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace {

using namespace SampleDocuments;

// Collects every record of a type anywhere in a tree.
void Collect(const RecordNode& node, std::uint16_t type, std::vector<const RecordNode*>& out)
{
    if (node.type == type)
        out.push_back(&node);
    for (const RecordNode& child : node.children)
        Collect(child, type, out);
}

class PptPackagerTest : public ::testing::Test
{
protected:
    void Package(const PresentationDocument& document)
    {
        m_streams = CPptPackager().Package(document);
        m_reader = std::make_unique<CPptReader>(m_streams.document, m_streams.currentUser);
        m_records = CRecordReader(m_streams.document).ReadAll();
    }

    std::vector<const RecordNode*> All(RecordType type) const
    {
        std::vector<const RecordNode*> out;
        for (const RecordNode& node : m_records)
            Collect(node, RecordTypeValue(type), out);
        return out;
    }

    std::uint32_t U32(std::size_t offset) const
    {
        return CRecordReader(m_streams.document).U32(offset);
    }

    PptStreams m_streams;
    std::unique_ptr<CPptReader> m_reader;
    std::vector<RecordNode> m_records;
};

TEST_F(PptPackagerTest, SlidesReadBackWithLayoutsNamesTextAndLevels)
{
    const PresentationDocument document = WorkedExample();
    Package(document);
    const std::vector<StoredSlide> slides = m_reader->Slides();
    ASSERT_EQ(slides.size(), 3u);
    EXPECT_EQ(slides[0].geom, 0u);
    EXPECT_EQ(slides[1].geom, 1u);
    EXPECT_EQ(slides[2].geom, 8u);
    for (std::size_t s = 0; s < slides.size(); ++s) {
        const SlideData& expected = document.slides[s];
        ASSERT_EQ(slides[s].placeholders.size(), expected.placeholders.size());
        EXPECT_EQ(slides[s].slideId, kFirstSlideId + s);
        EXPECT_EQ(slides[s].masterId, kFirstMasterId);
        for (std::size_t p = 0; p < expected.placeholders.size(); ++p) {
            const StoredPlaceholder& stored = slides[s].placeholders[p];
            EXPECT_EQ(stored.name, expected.placeholders[p].name);
            // PowerPoint names an unnamed shape after its id within the cluster.
            EXPECT_EQ("Rectangle " + std::to_string(stored.shapeId % kShapesPerCluster),
                      stored.name);
            const auto& paragraphs = expected.placeholders[p].paragraphs;
            ASSERT_EQ(stored.paragraphs.size(), paragraphs.size());
            for (std::size_t i = 0; i < paragraphs.size(); ++i) {
                EXPECT_EQ(stored.paragraphs[i].text, paragraphs[i].text);
                EXPECT_EQ(stored.paragraphs[i].indentLevel, paragraphs[i].indentLevel);
            }
        }
    }
    EXPECT_EQ(slides[0].placeholders[0].placement, 15); // centre title
    EXPECT_EQ(slides[0].placeholders[1].placement, 16); // subtitle
    EXPECT_EQ(slides[2].placeholders[2].placement, 14); // body
    EXPECT_EQ(slides[2].placeholders[2].size, 1);       // half
}

TEST_F(PptPackagerTest, PersistIdsLeadToTheRightContainersAndTheEditEndsTheStream)
{
    Package(WorkedExample());
    const auto& offsets = m_reader->PersistOffsets();
    ASSERT_EQ(offsets.size(), 5u);
    const std::uint16_t expected[] = {
        RecordTypeValue(RecordType::Document), RecordTypeValue(RecordType::MainMaster),
        RecordTypeValue(RecordType::Slide), RecordTypeValue(RecordType::Slide),
        RecordTypeValue(RecordType::Slide)};
    std::uint32_t id = 1;
    for (const auto& [persistId, offset] : offsets) {
        EXPECT_EQ(persistId, id);
        EXPECT_EQ(CRecordReader(m_streams.document).ReadAt(offset).type, expected[id - 1]);
        ++id;
    }
    const RecordNode& edit = m_records.back();
    ASSERT_EQ(edit.type, RecordTypeValue(RecordType::UserEditAtom));
    EXPECT_EQ(edit.End(), m_streams.document.size());
    EXPECT_EQ(U32(edit.PayloadOffset() + 20), 5u); // seed = highest id
    EXPECT_EQ(m_records[m_records.size() - 2].type,
              RecordTypeValue(RecordType::PersistDirectoryAtom));
}

TEST_F(PptPackagerTest, ShapeIdsStayInTheirDrawingsClusterAndTheTableAgrees)
{
    Package(WorkedExample());
    std::set<std::uint32_t> seen;
    for (const RecordNode* fdg : All(RecordType::Fdg)) {
        const std::uint32_t base = kShapesPerCluster * fdg->instance;
        const std::uint32_t last = U32(fdg->PayloadOffset() + 4);
        EXPECT_GE(last, base);
        EXPECT_LT(last, base + kShapesPerCluster);
    }
    std::uint32_t highest = 0;
    for (const RecordNode* fsp : All(RecordType::Fsp)) {
        const std::uint32_t id = U32(fsp->PayloadOffset());
        EXPECT_TRUE(seen.insert(id).second) << "duplicate shape id " << id;
        highest = std::max(highest, id);
    }
    const std::vector<const RecordNode*> fdgg = All(RecordType::Fdgg);
    ASSERT_EQ(fdgg.size(), 1u);
    const std::size_t at = fdgg[0]->PayloadOffset();
    EXPECT_EQ(U32(at), highest + 1);
    EXPECT_EQ(U32(at + 4), 4u + 1);      // four drawings: master and three slides
    EXPECT_EQ(U32(at + 8), seen.size()); // shapes saved
    EXPECT_EQ(U32(at + 16 + 8 * 3), 4u); // the last drawing's id
    EXPECT_EQ(U32(at + 20 + 8 * 3), 5u); // its shapes 0..4 are used
}

TEST_F(PptPackagerTest, EmptyPresentationHasAMasterButNoSlideList)
{
    Package(PresentationDocument{});
    EXPECT_TRUE(m_reader->Slides().empty());
    EXPECT_EQ(All(RecordType::SlideListWithText).size(), 1u);
    EXPECT_EQ(All(RecordType::MainMaster).size(), 1u);
    EXPECT_EQ(All(RecordType::TextMasterStyleAtom).size(),
              8u); // seven master styles and one default
}

// Readers that draw slides look for the slides' header and footer settings
// in the document and fail to add their own when there is no DocInfoList.
TEST_F(PptPackagerTest, DocumentCarriesTheSlidesHeaderAndFooterSettingsAllOff)
{
    for (const PresentationDocument& document : {WorkedExample(), PresentationDocument{}}) {
        Package(document);
        const RecordNode& root = m_records.at(0);
        ASSERT_EQ(root.type, RecordTypeValue(RecordType::Document));
        std::vector<std::pair<std::uint16_t, std::uint16_t>> lists; // type, instance
        for (const RecordNode& child : root.children) {
            if (child.type == RecordTypeValue(RecordType::SlideListWithText) ||
                child.type == RecordTypeValue(RecordType::HeadersFooters))
                lists.emplace_back(child.type, child.instance);
        }
        std::vector<std::pair<std::uint16_t, std::uint16_t>> expected{
            {RecordTypeValue(RecordType::SlideListWithText), kSlideListMasters},
            {RecordTypeValue(RecordType::HeadersFooters), kHeadersFootersSlides}};
        if (!document.slides.empty())
            expected.emplace_back(RecordTypeValue(RecordType::SlideListWithText), kSlideListSlides);
        EXPECT_EQ(lists, expected);

        const RecordNode* settings = root.Child(RecordTypeValue(RecordType::HeadersFooters));
        ASSERT_NE(settings, nullptr);
        const RecordNode* atom = settings->Child(RecordTypeValue(RecordType::HeadersFootersAtom));
        ASSERT_NE(atom, nullptr);
        ASSERT_EQ(atom->length, 4u);
        EXPECT_EQ(U32(atom->PayloadOffset()), 0u);
    }
}

TEST_F(PptPackagerTest, ManySlidesAndManyBulletsKeepTheirText)
{
    PresentationDocument document;
    for (int i = 0; i < 1000; ++i)
        document.slides.push_back(TextSlide("Slide " + std::to_string(i + 1), Bullets(3, "b")));
    document.slides.push_back(TextSlide("Long", Bullets(300, "item")));
    Package(document);
    const std::vector<StoredSlide> slides = m_reader->Slides();
    ASSERT_EQ(slides.size(), 1001u);
    EXPECT_EQ(slides[999].placeholders[0].paragraphs[0].text, "Slide 1000");
    const auto& long_ = slides[1000].placeholders[1].paragraphs;
    ASSERT_EQ(long_.size(), 300u);
    EXPECT_EQ(long_[299].text, "item 300");
    EXPECT_EQ(long_[299].indentLevel, 5);
    EXPECT_EQ(slides[1000].placeholders[1].shapeId, kShapesPerCluster * 1002 + 3);
}

TEST_F(PptPackagerTest, NamesOutsideTheRectanglePatternGetFreeIds)
{
    PresentationDocument document;
    document.slides.push_back(SlideData{2,
                                        {Text("Rectangle 3", PlaceholderKind::Title, {{"t", 1}}),
                                         Text("Rectangle 3", PlaceholderKind::Body, {{"b", 1}}),
                                         Text("Custom", PlaceholderKind::Body, {{"c", 1}})}});
    Package(document);
    const auto placeholders = m_reader->Slides().at(0).placeholders;
    const std::uint32_t base = kShapesPerCluster * 2;
    EXPECT_EQ(placeholders[0].shapeId, base + 3);
    EXPECT_EQ(placeholders[1].shapeId, base + 2);
    EXPECT_EQ(placeholders[2].shapeId, base + 4);
    EXPECT_EQ(placeholders[2].name, "Custom");
}

TEST_F(PptPackagerTest, RefusesMoreSlidesThanDrawingIdsAllow)
{
    PresentationDocument document;
    document.slides.resize(CPptPackager::kMaxSlides + 1, TextSlide("t", {{"b", 1}}));
    EXPECT_THROW(CPptPackager().Package(document), std::length_error);
}

} // namespace
