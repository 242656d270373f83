// SPDX-License-Identifier: MIT
#include "DesignDescriptionFile.h"

#include "TextEncoding.h"

#include <charconv>
#include <map>

namespace {

const std::map<std::string, std::size_t> kSchemeKeys = {
    {"background", 0}, {"text", 1},   {"shadows", 2},   {"title", 3},
    {"fills", 4},      {"accent", 5}, {"hyperlink", 6}, {"followed-hyperlink", 7}};

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

class CParser
{
public:
    explicit CParser(std::string name) : m_name(std::move(name)) {}

    void Line(const std::string& raw);
    DesignDescription Result() const { return m_design; }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw CDesignDescriptionError(m_name + ":" + std::to_string(m_line) + ": " + what);
    }
    std::uint32_t Colour(const std::string& value) const;
    std::uint16_t Points(const std::string& value) const;
    void Colours(const std::string& key, const std::string& value);
    void Fonts(const std::string& key, const std::string& value);
    void Title(const std::string& key, const std::string& value);
    void Body(const std::string& key, const std::string& value);

    std::string m_name;
    int m_line = 0;
    std::string m_section;
    DesignDescription m_design;
};

std::uint32_t CParser::Colour(const std::string& value) const
{
    std::uint32_t rgb = 0;
    const char* last = value.data() + value.size();
    if (value.size() != 7 || value[0] != '#' ||
        std::from_chars(value.data() + 1, last, rgb, 16).ptr != last)
        Fail("a colour is written #RRGGBB, not \"" + value + "\"");
    return rgb;
}

std::uint16_t CParser::Points(const std::string& value) const
{
    unsigned points = 0;
    const char* last = value.data() + value.size();
    if (std::from_chars(value.data(), last, points).ptr != last || points < 4 || points > 400)
        Fail("a size is a number of points from 4 to 400, not \"" + value + "\"");
    return static_cast<std::uint16_t>(points);
}

void CParser::Colours(const std::string& key, const std::string& value)
{
    if (key == "bullet") {
        m_design.bulletRgb = Colour(value);
        return;
    }
    const auto slot = kSchemeKeys.find(key);
    if (slot == kSchemeKeys.end())
        Fail("no colour is called \"" + key + "\"");
    m_design.colorScheme[slot->second] = Colour(value);
}

void CParser::Fonts(const std::string& key, const std::string& value)
{
    if (value.empty() || value.size() > 31)
        Fail("a font name has 1 to 31 characters");
    if (key == "body")
        m_design.bodyFont = Utf8ToUtf16(value);
    else if (key == "title")
        m_design.titleFont = Utf8ToUtf16(value);
    else
        Fail("fonts are \"body\" and \"title\", not \"" + key + "\"");
}

void CParser::Title(const std::string& key, const std::string& value)
{
    if (key == "size")
        m_design.titleSize = Points(value);
    else if (key == "bold" && (value == "yes" || value == "no"))
        m_design.titleBold = value == "yes";
    else
        Fail("the title takes \"size\" and \"bold = yes|no\"");
}

void CParser::Body(const std::string& key, const std::string& value)
{
    if (key.size() != 6 || key.compare(0, 5, "level") != 0 || key[5] < '1' || key[5] > '5')
        Fail("body levels are level1 to level5, not \"" + key + "\"");
    const std::size_t space = value.find(' ');
    const std::u16string bullet =
        space == std::string::npos ? u"" : Utf8ToUtf16(Trim(value.substr(space)));
    if (bullet.size() != 1)
        Fail("a level is a size and one bullet character, as in \"28 •\"");
    m_design.bodyLevels[std::size_t(key[5] - '1')] = {Points(value.substr(0, space)), bullet[0]};
}

void CParser::Line(const std::string& raw)
{
    ++m_line;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#')
        return;
    if (line.front() == '[' && line.back() == ']') {
        m_section = line.substr(1, line.size() - 2);
        if (m_section != "colours" && m_section != "fonts" && m_section != "title" &&
            m_section != "body")
            Fail("there is no section [" + m_section + "]");
        return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        Fail("expected \"key = value\"");
    const std::string key = Trim(line.substr(0, equals));
    const std::string value = Trim(line.substr(equals + 1));
    if (m_section == "colours")
        Colours(key, value);
    else if (m_section == "fonts")
        Fonts(key, value);
    else if (m_section == "title")
        Title(key, value);
    else if (m_section == "body")
        Body(key, value);
    else
        Fail("\"" + key + "\" comes before any section");
}

} // namespace

DesignDescription ReadDesignDescription(std::istream& in, const std::string& name)
{
    CParser parser(name);
    std::string line;
    while (std::getline(in, line))
        parser.Line(line);
    return parser.Result();
}
