// SPDX-License-Identifier: MIT
#include "MessageText.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageText, ControlCharactersBecomeEscapesAndLineBreaksFollowTheLayout)
{
    const std::string text = "a\x1b[31mb\tc\x7f\xc2\x85\xc2\xa0\n\rd\xe2\x80\xa6";
    EXPECT_EQ(ReadableMessage(text, MessageLayout::SingleLine),
              "a\\x1b[31mb\tc\\x7f\\u0085\xc2\xa0  d\xe2\x80\xa6");
    EXPECT_EQ(ReadableMessage(text, MessageLayout::Box),
              "a\\x1b[31mb\tc\\x7f\\u0085\xc2\xa0\n\rd\xe2\x80\xa6");
    EXPECT_EQ(ReadableMessage(std::string("nul\0here", 8), MessageLayout::Box), "nul\\x00here");
}

TEST(MessageText, ALongTextKeepsItsEndsAndCutsBetweenCharacters)
{
    const std::string short_(kMaxMessageBytes, 'a');
    EXPECT_EQ(ReadableMessage(short_, MessageLayout::Box), short_);

    // Two-byte characters throughout: any cut inside one would show.
    std::string name;
    while (name.size() < 5000)
        name += "\xc3\xa9";
    const std::string message =
        ReadableMessage("Saved as " + name + ".ppt here.", MessageLayout::Box);
    EXPECT_LT(message.size(), kMaxMessageBytes);
    EXPECT_EQ(message.rfind("Saved as \xc3\xa9", 0), 0u);
    EXPECT_NE(message.find("\xc3\xa9[... "), std::string::npos) << message;
    EXPECT_NE(message.find(" bytes left out ...]\xc3\xa9"), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.size() - 12), "\xc3\xa9.ppt here.");
}

} // namespace
