// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The note markup: how a note's text is cut into counted lines and what a
// file-name, slide or bullet line means. Pure text logic; no automation.

// The six ASCII white-space bytes; no byte of 0x80 and above counts, so
// trimming never touches a multibyte character.
constexpr bool IsNoteWhiteSpace(char c) noexcept
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimNoteLine(std::string_view line) noexcept;

// The line pass: yields the counted lines of a note in order, each trimmed.
// A copy of a reader continues independently from the same position.
class CNoteLineReader
{
public:
    explicit CNoteLineReader(std::string_view noteText) noexcept : m_text(noteText) {}

    // The next counted line; nothing once the note is used up.
    std::optional<std::string_view> Next() noexcept;

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

// Line 0: the output file name, with the format's extension added unless it
// ends so already. For .pptx a name that ends in ".ppt" is completed to
// ".pptx", so the file's extension always tells its format.
// The name is made to stay a name in the save folder and to read as the line
// does: bytes that are not UTF-8 are read as Windows-1252 (as slide text is),
// a leading byte-order mark goes, a tab or other white-space control becomes
// a blank, and "/" and every other control character becomes "_".
std::string MakeOutputFileName(std::string_view line,
                               PresentationFormat format = PresentationFormat::Ppt);

struct SlideLine
{
    bool twoColumns = false;
    // The line without its first dash: the title of a one-column slide, and
    // for two columns the title behind one more dash.
    std::string_view afterDash;
};
SlideLine ParseSlideLine(std::string_view line) noexcept;

struct BulletLine
{
    int level = 0; // 0 to 4: the leading dots that another character follows
    std::string_view text;
};
BulletLine ParseBulletLine(std::string_view line) noexcept;

// The number of bullet lines from line index startIndex up to the next slide
// line, scanning the note from its start as the markup defines the count.
int CountColumnBullets(std::string noteText, int startIndex);

// The same count, taken from a line reader that stands just after a slide
// line; the builder uses it so a long note costs one pass, not one per slide.
int CountBulletsOfSlide(CNoteLineReader reader) noexcept;

// Where one bullet of a slide goes: its placeholder, and whether it is the
// placeholder's first paragraph.
struct BulletPlacement
{
    const char* placeholderName;
    bool first;
};

inline constexpr const char* kTitlePlaceholder = "Rectangle 2";
inline constexpr const char* kBodyPlaceholder = "Rectangle 3";
inline constexpr const char* kRightColumnPlaceholder = "Rectangle 4";

// columnTotal is -1 for a one-column slide; bulletCount the bullets already
// placed on the slide; first whether this is the slide's first bullet.
BulletPlacement PlaceBullet(int columnTotal, int bulletCount, bool first) noexcept;
