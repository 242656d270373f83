// SPDX-License-Identifier: MIT
#include "TextBody.h"

#include "TextSpan.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TextsOf(const CTextBody& body)
{
    std::vector<std::string> texts;
    for (const ParagraphView paragraph : body.Paragraphs())
        texts.emplace_back(paragraph.text);
    return texts;
}

std::vector<int> LevelsOf(const CTextBody& body)
{
    std::vector<int> levels;
    for (const ParagraphView paragraph : body.Paragraphs())
        levels.push_back(paragraph.indentLevel);
    return levels;
}

void Append(CTextBody& body, const std::string& text)
{
    body.Replace(TextExtent{body.End(), body.End()}, text);
}

// Each test edits the text of a new placeholder.
class TextBody : public testing::Test
{
protected:
    Placeholder m_placeholder;
    CTextBody body{m_placeholder.paragraphs};
};

class TextSpan : public TextBody
{};

} // namespace

TEST(SplitParagraphs, EachBreakFormStartsOneParagraph)
{
    using Texts = std::vector<std::string_view>;
    EXPECT_EQ(SplitParagraphs(""), Texts{""});
    EXPECT_EQ(SplitParagraphs("a\r\nb\rc\nd"), (Texts{"a", "b", "c", "d"}));
    // "\n\r" is two breaks, not one: only "\r\n" pairs up.
    EXPECT_EQ(SplitParagraphs("a\n\rb"), (Texts{"a", "", "b"}));
    EXPECT_EQ(SplitParagraphs("\r\n"), (Texts{"", ""}));
    EXPECT_EQ(SplitParagraphs("tab\tand\vbreak"), Texts{"tab\tand\vbreak"});
}

TEST_F(TextBody, StartsWithOneEmptyTopLevelParagraph)
{
    EXPECT_EQ(TextsOf(body), std::vector<std::string>{""});
    EXPECT_EQ(LevelsOf(body), std::vector<int>{1});
    EXPECT_EQ(body.End(), (TextPosition{0, 0}));
}

TEST_F(TextBody, AppendingReturnsTheEndOfTheInsertedText)
{
    EXPECT_EQ(body.Replace(TextExtent{}, "first"), (TextPosition{0, 5}));
    EXPECT_EQ(body.Replace(TextExtent{body.End(), body.End()}, "\r\nsecond"), (TextPosition{1, 6}));
    EXPECT_EQ(body.Text(), "first\rsecond");
}

TEST_F(TextBody, ReplacingInsideAParagraphKeepsTheRestOfIt)
{
    Append(body, "one two three");
    const TextPosition end = body.Replace(TextExtent{{0, 4}, {0, 7}}, "2\r2b");
    EXPECT_EQ(end, (TextPosition{1, 2}));
    EXPECT_EQ(TextsOf(body), (std::vector<std::string>{"one 2", "2b three"}));
}

TEST_F(TextBody, ReplacingAcrossParagraphsJoinsHeadAndTail)
{
    Append(body, "alpha\rbeta\rgamma\rdelta");
    body.SetIndentLevel(ParagraphRun{2, 3}, 4);
    body.Replace(TextExtent{{0, 2}, {2, 3}}, "-");
    EXPECT_EQ(TextsOf(body), (std::vector<std::string>{"al-ma", "delta"}));
    EXPECT_EQ(LevelsOf(body), (std::vector<int>{1, 4}));
}

// The paragraphs after an insertion keep their own text, and a byte that
// is not UTF-8 is repaired on the way in.
TEST_F(TextBody, ParagraphsInsertedInTheMiddleMoveTheOnesAfterThem)
{
    Append(body, "a\rb\rc");
    body.SetIndentLevel(ParagraphRun{2, 2}, 2);
    EXPECT_EQ(body.Replace(TextExtent{{1, 0}, {1, 1}}, "x\r\xE9\rz"), (TextPosition{3, 1}));
    EXPECT_EQ(TextsOf(body), (std::vector<std::string>{"a", "x", "\xC3\xA9", "z", "c"}));
    EXPECT_EQ(LevelsOf(body), (std::vector<int>{1, 1, 1, 1, 2}));
    EXPECT_EQ(body.Text(), "a\rx\r\xC3\xA9\rz\rc");
}

TEST_F(TextBody, NewParagraphsTakeTheLevelWhereTheTextGoesIn)
{
    Append(body, "top\rdeep");
    body.SetIndentLevel(ParagraphRun{1, 1}, 3);
    Append(body, "er\rdeeper still");
    EXPECT_EQ(LevelsOf(body), (std::vector<int>{1, 3, 3}));

    // The new paragraph that ends with old text keeps that text's level.
    body.Replace(TextExtent{{0, 1}, {1, 2}}, "\r");
    EXPECT_EQ(TextsOf(body), (std::vector<std::string>{"t", "eper", "deeper still"}));
    EXPECT_EQ(LevelsOf(body), (std::vector<int>{1, 3, 3}));
}

TEST_F(TextBody, ParagraphsOfAnExtentEndingAfterABreakLeaveTheNextOneOut)
{
    Append(body, "a\rb\rc");
    EXPECT_EQ(body.ParagraphsOf(TextExtent{{0, 0}, {1, 0}}).last, 0u);
    EXPECT_EQ(body.ParagraphsOf(TextExtent{{0, 1}, {2, 1}}).last, 2u);
    EXPECT_EQ(body.ParagraphsOf(TextExtent{{1, 0}, {1, 0}}).Count(), 1u);
}

TEST_F(TextBody, ClampNeverCutsACharacter)
{
    Append(body, "\xC3\xA9t\xE2\x82\xAC"); // é t €
    EXPECT_EQ(body.Clamp(TextPosition{0, 1}), (TextPosition{0, 0}));
    EXPECT_EQ(body.Clamp(TextPosition{0, 4}), (TextPosition{0, 3}));
    EXPECT_EQ(body.Clamp(TextPosition{0, 99}), (TextPosition{0, 6}));
    EXPECT_EQ(body.Clamp(TextPosition{5, 0}), body.End());
}

TEST_F(TextSpan, ParagraphRunsFollowTheTextAndShrinkWithIt)
{
    Append(body, "a\rb\rc");
    const CTextSpan second = CTextSpan::Paragraphs(1, 1);
    EXPECT_EQ(second.Resolve(body).to, (TextPosition{1, 1}));

    body.Replace(TextExtent{{1, 0}, {1, 1}}, "bee");
    EXPECT_EQ(second.Resolve(body).to, (TextPosition{1, 3}));

    body.Replace(TextExtent{{0, 1}, body.End()}, "");
    const TextExtent fitted = CTextSpan::Paragraphs(1, 2).Resolve(body);
    EXPECT_EQ(fitted.from, (TextPosition{0, 0}));
    EXPECT_EQ(fitted.to, (TextPosition{0, 1}));
}

TEST_F(TextSpan, CharacterRunsAreFittedToShorterText)
{
    Append(body, "\xC3\xA9\xC3\xA9\xC3\xA9"); // three é
    const CTextSpan run = CTextSpan::Characters(TextExtent{{0, 2}, {0, 6}});
    body.Replace(TextExtent{{0, 0}, body.End()}, "\xC3\xA9x\xC3\xA9");
    const TextExtent fitted = run.Resolve(body);
    EXPECT_EQ(fitted.from, (TextPosition{0, 2}));
    EXPECT_EQ(fitted.to, (TextPosition{0, 5}));
    body.Replace(TextExtent{{0, 0}, body.End()}, "");
    EXPECT_EQ(run.Resolve(body).from, (TextPosition{0, 0}));
    EXPECT_EQ(run.Resolve(body).to, (TextPosition{0, 0}));
}
