// SPDX-License-Identifier: MIT
// The slide list's outline entries and the placeholders' shape properties, read
// back from the records, not from our own writer's types.

#include "PptFormat.h"
#include "PptPackager.h"
#include "PptReader.h"
#include "RecordReader.h"
#include "SampleDocuments.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace SampleDocuments;

const std::vector<TextParagraph> kEmpty{{"", 1}};

void Collect(const RecordNode& node, RecordType type, std::vector<const RecordNode*>& out)
{
    if (node.type == RecordTypeValue(type))
        out.push_back(&node);
    for (const RecordNode& child : node.children)
        Collect(child, type, out);
}

struct OutlineEntry
{
    std::uint32_t cTexts = 0;
    std::vector<std::uint16_t> instances;
    std::vector<std::uint32_t> textTypes;
    std::vector<bool> hasChars;
};

class OutlineListTest : public ::testing::Test
{
protected:
    void Package(const PresentationDocument& document)
    {
        m_streams = CPptPackager().Package(document);
        m_records = CRecordReader(m_streams.document).ReadAll();
    }

    std::uint32_t U32(std::size_t offset) const
    {
        return CRecordReader(m_streams.document).U32(offset);
    }

    // Each slide's SlidePersistAtom and the text headers that follow it.
    std::vector<OutlineEntry> SlideList() const
    {
        std::vector<OutlineEntry> entries;
        for (const RecordNode& child : m_records.front().children) {
            if (child.type != RecordTypeValue(RecordType::SlideListWithText) ||
                child.instance != kSlideListSlides)
                continue;
            for (const RecordNode& node : child.children) {
                if (node.type == RecordTypeValue(RecordType::SlidePersistAtom)) {
                    entries.emplace_back();
                    entries.back().cTexts = U32(node.PayloadOffset() + 8);
                } else if (node.type == RecordTypeValue(RecordType::TextHeaderAtom)) {
                    entries.back().instances.push_back(node.instance);
                    entries.back().textTypes.push_back(U32(node.PayloadOffset()));
                    entries.back().hasChars.push_back(false);
                } else if (node.type == RecordTypeValue(RecordType::TextCharsAtom)) {
                    entries.back().hasChars.back() = true;
                }
            }
        }
        return entries;
    }

    // The value of a shape's protection property, if it has one.
    std::optional<std::uint32_t> Protection(const RecordNode& shape) const
    {
        const RecordNode* fopt = shape.Child(RecordTypeValue(RecordType::Fopt));
        for (std::size_t i = 0; fopt && i < fopt->instance; ++i) {
            const std::size_t at = fopt->PayloadOffset() + 6 * i;
            if (CRecordReader(m_streams.document).U16(at) ==
                static_cast<std::uint16_t>(ShapeProperty::Protection))
                return U32(at + 2);
        }
        return std::nullopt;
    }

    PptStreams m_streams;
    std::vector<RecordNode> m_records;
};

// A lock as a reader decodes it: unstated unless its use bit is set.
std::optional<bool> Lock(std::uint32_t value, std::uint32_t lockBit)
{
    if ((value & (lockBit << 16)) == 0)
        return std::nullopt;
    return (value & lockBit) != 0;
}

TEST_F(OutlineListTest, EveryTextPlaceholderHasItsEntryInPlaceholderOrder)
{
    PresentationDocument document;
    document.slides = {TitleSlide("Only title", ""),
                       TitleSlide("", "Only subtitle"),
                       TextSlide("", {{"x", 1}}),
                       TextSlide("Title", kEmpty),
                       TwoColumnSlide("", kEmpty, {{"only right", 2}}),
                       TwoColumnSlide("", kEmpty, kEmpty)};
    Package(document);

    const std::vector<std::vector<std::uint32_t>> types{{6, 5}, {6, 5},    {0, 1},
                                                        {0, 1}, {0, 7, 7}, {0, 7, 7}};
    const std::vector<OutlineEntry> entries = SlideList();
    ASSERT_EQ(entries.size(), document.slides.size());
    std::vector<const RecordNode*> slides;
    for (const RecordNode& node : m_records)
        Collect(node, RecordType::Slide, slides);
    ASSERT_EQ(slides.size(), document.slides.size());

    for (std::size_t s = 0; s < entries.size(); ++s) {
        SCOPED_TRACE("slide " + std::to_string(s + 1));
        const auto& placeholders = document.slides[s].placeholders;
        std::vector<std::uint16_t> order(placeholders.size());
        std::vector<std::uint32_t> references;
        std::vector<bool> filled;
        for (std::size_t p = 0; p < placeholders.size(); ++p) {
            order[p] = static_cast<std::uint16_t>(p);
            filled.push_back(!placeholders[p].paragraphs[0].text.empty());
        }
        std::vector<const RecordNode*> refs;
        Collect(*slides[s], RecordType::OutlineTextRefAtom, refs);
        for (const RecordNode* ref : refs)
            references.push_back(U32(ref->PayloadOffset()));

        EXPECT_EQ(entries[s].cTexts, placeholders.size());
        EXPECT_EQ(entries[s].instances, order);
        EXPECT_EQ(entries[s].textTypes, types[s]);
        EXPECT_EQ(entries[s].hasChars, filled);
        EXPECT_EQ(references, std::vector<std::uint32_t>(order.begin(), order.end()));
    }

    // Readers that follow the references find each text in its own frame.
    const CPptReader reader(m_streams.document, m_streams.currentUser);
    const std::vector<StoredSlide> stored = reader.Slides();
    ASSERT_EQ(stored.size(), document.slides.size());
    for (std::size_t s = 0; s < stored.size(); ++s) {
        const auto& placeholders = document.slides[s].placeholders;
        ASSERT_EQ(stored[s].placeholders.size(), placeholders.size());
        for (std::size_t p = 0; p < placeholders.size(); ++p) {
            ASSERT_EQ(stored[s].placeholders[p].paragraphs.size(), 1u);
            EXPECT_EQ(stored[s].placeholders[p].paragraphs[0].text,
                      placeholders[p].paragraphs[0].text)
                << "slide " << s + 1 << " placeholder " << p;
        }
    }
}

TEST_F(OutlineListTest, PlaceholderTextIsEditableAndOnlyMasterPlaceholdersRefuseGrouping)
{
    Package(WorkedExample());
    std::vector<const RecordNode*> shapes;
    for (const RecordNode& node : m_records)
        Collect(node, RecordType::SpContainer, shapes);
    int slidePlaceholders = 0;
    int masterPlaceholders = 0;
    for (const RecordNode* shape : shapes) {
        const RecordNode* data = shape->Child(RecordTypeValue(RecordType::ClientData));
        if (!data || !data->Child(RecordTypeValue(RecordType::PlaceholderAtom)))
            continue;
        const std::optional<std::uint32_t> value = Protection(*shape);
        ASSERT_TRUE(value.has_value());
        const std::size_t fsp = shape->Child(RecordTypeValue(RecordType::Fsp))->PayloadOffset();
        const bool onSlide = (U32(fsp + 4) & kShapeHaveMaster) != 0;
        (onSlide ? slidePlaceholders : masterPlaceholders)++;
        EXPECT_EQ(Lock(*value, kLockText), std::optional<bool>(false));
        EXPECT_EQ(Lock(*value, kLockAgainstGrouping),
                  onSlide ? std::nullopt : std::optional<bool>(true));
        // No other lock is stated, either way.
        EXPECT_EQ(*value & ~(kLockText | kLockAgainstGrouping) &
                      ~((kLockText | kLockAgainstGrouping) << 16),
                  0u);
    }
    EXPECT_EQ(slidePlaceholders, 7);
    EXPECT_EQ(masterPlaceholders, 2);
}

} // namespace
