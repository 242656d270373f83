// SPDX-License-Identifier: MIT
#include "RecordDump.h"

#include "PptFormat.h"
#include "TextEncoding.h"

#include <cstdio>
#include <map>

namespace {

constexpr std::uint32_t kMaxHexPayload = 32;

const std::map<std::uint16_t, const char*>& Names()
{
    static const std::map<std::uint16_t, const char*> names = {{0x03E8, "Document"},
                                                               {0x03E9, "DocumentAtom"},
                                                               {0x03EA, "EndDocumentAtom"},
                                                               {0x03EE, "Slide"},
                                                               {0x03EF, "SlideAtom"},
                                                               {0x03F0, "Notes"},
                                                               {0x03F1, "NotesAtom"},
                                                               {0x03F2, "Environment"},
                                                               {0x03F3, "SlidePersistAtom"},
                                                               {0x03F8, "MainMaster"},
                                                               {0x03FA, "SlideViewInfo"},
                                                               {0x03FB, "GuideAtom"},
                                                               {0x03FD, "ViewInfoAtom"},
                                                               {0x03FE, "SlideViewInfoAtom"},
                                                               {0x03FF, "VBAInfo"},
                                                               {0x0400, "VBAInfoAtom"},
                                                               {0x0407, "OutlineViewInfo"},
                                                               {0x0408, "SorterViewInfo"},
                                                               {0x0409, "ExObjList"},
                                                               {0x040B, "DrawingGroup"},
                                                               {0x040C, "Drawing"},
                                                               {0x0413, "NotesTextViewInfo"},
                                                               {0x0414, "NormalViewSetInfo"},
                                                               {0x0415, "NormalViewSetInfoAtom"},
                                                               {0x07D0, "List"},
                                                               {0x07D5, "FontCollection"},
                                                               {0x07F0, "ColorSchemeAtom"},
                                                               {0x0BC3, "PlaceholderAtom"},
                                                               {0x0F9E, "OutlineTextRefAtom"},
                                                               {0x0F9F, "TextHeaderAtom"},
                                                               {0x0FA0, "TextCharsAtom"},
                                                               {0x0FA1, "StyleTextPropAtom"},
                                                               {0x0FA2, "MasterTextPropAtom"},
                                                               {0x0FA3, "TextMasterStyleAtom"},
                                                               {0x0FA4, "TextCFExceptionAtom"},
                                                               {0x0FA5, "TextPFExceptionAtom"},
                                                               {0x0FA6, "TextRulerAtom"},
                                                               {0x0FA8, "TextBytesAtom"},
                                                               {0x0FA9, "TextSIExceptionAtom"},
                                                               {0x0FAA, "TextSpecialInfoAtom"},
                                                               {0x0FB7, "FontEntityAtom"},
                                                               {0x0FBA, "CString"},
                                                               {0x0FC8, "Kinsoku"},
                                                               {0x0FD2, "KinsokuAtom"},
                                                               {0x0FD9, "HeadersFooters"},
                                                               {0x0FDA, "HeadersFootersAtom"},
                                                               {0x0FF0, "SlideListWithText"},
                                                               {0x0FF5, "UserEditAtom"},
                                                               {0x0FF6, "CurrentUserAtom"},
                                                               {0x1388, "ProgTags"},
                                                               {0x1389, "ProgStringTag"},
                                                               {0x138A, "ProgBinaryTag"},
                                                               {0x138B, "BinaryTagDataBlob"},
                                                               {0x1772, "PersistDirectoryAtom"},
                                                               {0xF000, "DggContainer"},
                                                               {0xF001, "BStoreContainer"},
                                                               {0xF002, "DgContainer"},
                                                               {0xF003, "SpgrContainer"},
                                                               {0xF004, "SpContainer"},
                                                               {0xF006, "FDGG"},
                                                               {0xF007, "FBSE"},
                                                               {0xF008, "FDG"},
                                                               {0xF009, "FSPGR"},
                                                               {0xF00A, "FSP"},
                                                               {0xF00B, "FOPT"},
                                                               {0xF00D, "ClientTextbox"},
                                                               {0xF010, "ClientAnchor"},
                                                               {0xF011, "ClientData"},
                                                               {0xF11A, "ColorMRU"},
                                                               {0xF11E, "SplitMenuColors"},
                                                               {0xF122, "TertiaryFOPT"}};
    return names;
}

bool HoldsOffsets(std::uint16_t type)
{
    return type == static_cast<std::uint16_t>(RecordType::PersistDirectoryAtom) ||
           type == static_cast<std::uint16_t>(RecordType::UserEditAtom) ||
           type == static_cast<std::uint16_t>(RecordType::CurrentUserAtom);
}

// Shows control characters as escapes, so a dump line stays one line.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\v')
            out += "\\v";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

CRecordDump::CRecordDump(const std::vector<std::uint8_t>& stream, bool maskOffsets)
    : m_stream(stream), m_reader(stream), m_maskOffsets(maskOffsets)
{}

const char* CRecordDump::RecordName(std::uint16_t type)
{
    const auto it = Names().find(type);
    return it == Names().end() ? "Unknown" : it->second;
}

std::string CRecordDump::Text() const
{
    // Bytes after the last whole record (the Current User stream ends with
    // the user name outside any record) are counted, not parsed.
    std::string out;
    std::size_t offset = 0;
    while (offset < m_stream.size()) {
        const std::size_t rest = m_stream.size() - offset;
        if (rest < kRecordHeaderSize ||
            m_reader.U32(offset + kRecordLengthOffset) > rest - kRecordHeaderSize) {
            out += "(" + std::to_string(rest) + " bytes after the last record)\n";
            break;
        }
        const RecordNode node = m_reader.ReadAt(offset);
        DumpNode(out, node, 0);
        offset = node.End();
    }
    return out;
}

void CRecordDump::DumpNode(std::string& out, const RecordNode& node, int depth) const
{
    char line[128];
    std::snprintf(line, sizeof line, "%s (0x%04X) inst %u ver %u len %u", RecordName(node.type),
                  node.type, node.instance, node.version, node.length);
    out.append(static_cast<std::size_t>(2 * depth), ' ');
    if (!m_maskOffsets)
        out += "@" + std::to_string(node.offset) + " ";
    out += line;
    const std::string payload = Payload(node);
    if (!payload.empty())
        out += " " + payload;
    out += "\n";
    for (const RecordNode& child : node.children)
        DumpNode(out, child, depth + 1);
}

std::string CRecordDump::Payload(const RecordNode& node) const
{
    if (node.IsContainer())
        return {};
    if (m_maskOffsets && HoldsOffsets(node.type))
        return "<masked>";
    const auto begin = m_stream.begin() + static_cast<std::ptrdiff_t>(node.PayloadOffset());
    const auto end = begin + node.length;
    if (node.type == static_cast<std::uint16_t>(RecordType::TextCharsAtom)) {
        std::u16string units;
        for (auto it = begin; it + 1 < end; it += 2)
            units.push_back(static_cast<char16_t>(*it | (*(it + 1) << 8)));
        return Quoted(Utf16ToUtf8(units));
    }
    if (node.type == static_cast<std::uint16_t>(RecordType::TextBytesAtom)) {
        std::u16string units(begin, end);
        return Quoted(Utf16ToUtf8(units));
    }
    if (node.length == 0 || node.length > kMaxHexPayload)
        return {};
    std::string hex;
    char byte[4];
    for (auto it = begin; it != end; ++it) {
        std::snprintf(byte, sizeof byte, "%02X", *it);
        hex += byte;
    }
    return hex;
}
