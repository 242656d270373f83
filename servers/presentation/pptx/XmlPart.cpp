// SPDX-License-Identifier: MIT
#include "XmlPart.h"

#include "Utf8Text.h"

#include <algorithm>

namespace {

class CStringWriter : public pugi::xml_writer
{
public:
    explicit CStringWriter(std::string& out) : m_out(out) {}
    void write(const void* data, std::size_t size) override
    {
        m_out.append(static_cast<const char*>(data), size);
    }

private:
    std::string& m_out;
};

bool AllowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Decodes one sequence of valid UTF-8 (as ToValidUtf8 leaves it) at text[i].
char32_t Decode(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<char32_t>(text[k]) & 0xFF;
    };
    const char32_t lead = byte(i);
    const std::size_t extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (std::size_t k = 1; k <= extra; ++k)
        c = (c << 6) | (byte(i + k) & 0x3F);
    i += extra + 1;
    return c;
}

} // namespace

pugi::xml_node CXmlPart::Root(const char* name, const char* defaultNamespace,
                              bool withDrawingNamespaces)
{
    pugi::xml_node declaration = m_document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = m_document.append_child(name);
    if (defaultNamespace != nullptr)
        root.append_attribute("xmlns") = defaultNamespace;
    if (withDrawingNamespaces) {
        root.append_attribute("xmlns:a") = Ns::kDrawing;
        root.append_attribute("xmlns:r") = Ns::kRelationships;
        root.append_attribute("xmlns:p") = Ns::kPresentation;
    }
    return root;
}

std::string CXmlPart::Text() const
{
    std::string text;
    CStringWriter writer(text);
    m_document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return text;
}

std::string XmlFragment(const pugi::xml_document& fragment)
{
    std::string text;
    CStringWriter writer(text);
    fragment.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return text;
}

pugi::xml_node Add(pugi::xml_node parent, const char* name,
                   std::initializer_list<std::pair<const char*, std::string>> attributes)
{
    pugi::xml_node node = parent.append_child(name);
    for (const auto& [key, value] : attributes)
        node.append_attribute(key) = value.c_str();
    return node;
}

std::string ToXmlText(std::string_view text)
{
    const std::string valid = ToValidUtf8(text);
    std::string out;
    out.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size();) {
        const std::size_t start = i;
        if (AllowedInXml(Decode(valid, i)))
            out.append(valid, start, i - start);
        else
            out += "\xEF\xBF\xBD";
    }
    return out;
}

void SetXmlText(pugi::xml_node element, std::string_view text)
{
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte < 0x80) || c == '\t' || c == '\n' || c == '\r';
    });
    if (plain)
        element.text().set(text.data(), text.size());
    else
        element.text().set(ToXmlText(text).c_str());
}

CRelationships::CRelationships()
{
    m_root = m_part.Root("Relationships", Ns::kPackageRelationships);
}

void CRelationships::Add(const std::string& type, const std::string& target)
{
    ::Add(m_root, "Relationship",
          {{"Id", "rId" + std::to_string(++m_count)}, {"Type", type}, {"Target", target}});
}

std::string RelationshipType(std::string_view kind)
{
    if (kind == "core-properties")
        return "http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
               "core-properties";
    return std::string("http://schemas.openxmlformats.org/officeDocument/2006/relationships/") +
           std::string(kind);
}
