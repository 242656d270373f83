// SPDX-License-Identifier: MIT
#include "NoteMarkup.h"

#include "Utf8Text.h"

std::string_view TrimNoteLine(std::string_view line) noexcept
{
    std::size_t begin = 0;
    while (begin < line.size() && IsNoteWhiteSpace(line[begin]))
        ++begin;
    std::size_t end = line.size();
    while (end > begin && IsNoteWhiteSpace(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

std::optional<std::string_view> CNoteLineReader::Next() noexcept
{
    while (m_position <= m_text.size()) {
        std::size_t end = m_text.find('\n', m_position);
        if (end == std::string_view::npos)
            end = m_text.size();
        const std::string_view line = TrimNoteLine(m_text.substr(m_position, end - m_position));
        m_position = end + 1;
        if (!line.empty())
            return line;
    }
    return std::nullopt;
}

namespace {

bool EndsWithExtension(std::string_view name, std::string_view extension) noexcept
{
    if (name.size() < extension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != extension[i])
            return false;
    }
    return true;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The characters a file name cannot hold, or should not, as the text of a
// name the user still recognises.
std::string NameCharacters(std::string_view text)
{
    std::string name;
    name.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // C1 controls arrive as the two bytes C2 80 to C2 9F.
        const bool c1Control =
            byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1Control) {
            name += '_';
            ++i;
        } else if (IsNoteWhiteSpace(text[i])) {
            name += ' ';
        } else if (byte < 0x20 || byte == 0x7F || text[i] == '/') {
            name += '_';
        } else {
            name += text[i];
        }
    }
    return name;
}

} // namespace

std::string MakeOutputFileName(std::string_view line, PresentationFormat format)
{
    std::string text = ToValidUtf8(line);
    std::string_view withoutMark = text;
    if (withoutMark.starts_with(kByteOrderMark))
        withoutMark = TrimNoteLine(withoutMark.substr(kByteOrderMark.size()));
    std::string name = NameCharacters(withoutMark);
    if (format == PresentationFormat::Pptx && EndsWithExtension(name, ".ppt"))
        return name + "x";
    if (!EndsWithExtension(name, FileExtension(format)))
        name += FileExtension(format);
    return name;
}

SlideLine ParseSlideLine(std::string_view line) noexcept
{
    SlideLine slide;
    slide.afterDash = line.substr(1);
    slide.twoColumns = !slide.afterDash.empty() && slide.afterDash.front() == '-';
    return slide;
}

BulletLine ParseBulletLine(std::string_view line) noexcept
{
    // A dot counts only when another character follows it, so "." and ".."
    // keep a dot as their text.
    std::size_t level = 0;
    while (level < 4 && level + 1 < line.size() && line[level] == '.')
        ++level;
    return BulletLine{static_cast<int>(level), line.substr(level)};
}

int CountColumnBullets(std::string noteText, int startIndex)
{
    noteText += '\n';
    int count = 0;
    int index = 0;
    std::size_t segmentStart = 0;
    std::size_t lineFeed = noteText.find('\n');
    while (lineFeed != std::string::npos) {
        const std::string_view segment =
            TrimNoteLine(std::string_view(noteText).substr(segmentStart, lineFeed - segmentStart));
        if (!segment.empty()) {
            if (index >= startIndex) {
                if (segment.front() == '.')
                    ++count;
                else if (segment.front() == '-')
                    return count;
            }
            ++index;
        }
        segmentStart = lineFeed;
        lineFeed = noteText.find('\n', lineFeed + 1);
    }
    return count;
}

int CountBulletsOfSlide(CNoteLineReader reader) noexcept
{
    int count = 0;
    while (const auto line = reader.Next()) {
        if (line->front() == '-')
            break;
        if (line->front() == '.')
            ++count;
    }
    return count;
}

BulletPlacement PlaceBullet(int columnTotal, int bulletCount, bool first) noexcept
{
    if (columnTotal == -1)
        return {kBodyPlaceholder, first};
    const int half = columnTotal / 2;
    if (bulletCount < half)
        return {kBodyPlaceholder, first};
    return {kRightColumnPlaceholder, first || bulletCount == half};
}
