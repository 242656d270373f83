// SPDX-License-Identifier: MIT
#include "EnvironmentRecords.h"

#include "DefaultDesign.h"
#include "RecordWriter.h"
#include "TextStyles.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::uint16_t kDefaultFontSize = 18;
// East-Asian line breaking at the level PowerPoint sets by default.
constexpr std::uint32_t kKinsokuLevel = 1;

} // namespace

CEnvironmentRecords::CEnvironmentRecords(const DesignDescription& design) : m_design(design) {}

void CEnvironmentRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Environment);
    writer.BeginContainer(RecordType::Kinsoku, kKinsokuInstance);
    writer.BeginRecord(RecordType::KinsokuAtom, 0, kKinsokuAtomInstance);
    writer.U32(kKinsokuLevel);
    writer.EndRecord();
    writer.EndRecord();
    WriteFontCollection(writer);
    WriteTextDefaults(writer);
    CTextStyles(TextType::Other, m_design).Write(writer);
    writer.EndRecord();
}

// Font 0 is the body font; titles with a font of their own use font 1.
void CEnvironmentRecords::WriteFontCollection(CRecordWriter& writer) const
{
    std::vector<std::u16string_view> faces{m_design.bodyFont};
    if (m_design.TitleFontIndex() != 0)
        faces.push_back(m_design.titleFont);
    writer.BeginContainer(RecordType::FontCollection);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        // The name field holds 31 characters and a terminator.
        const std::u16string_view face = faces[i].substr(0, kFontFaceNameUnits - 1);
        writer.BeginRecord(RecordType::FontEntityAtom, 0, static_cast<std::uint16_t>(i));
        writer.Utf16(face);
        writer.Zeros(2 * (kFontFaceNameUnits - face.size()));
        writer.U8(0); // ANSI character set
        writer.U8(0); // not embedded
        writer.U8(kFontTrueType);
        writer.U8(kFontVariableSwiss);
        writer.EndRecord();
    }
    writer.EndRecord();
}

void CEnvironmentRecords::WriteTextDefaults(CRecordWriter& writer) const
{
    writer.BeginRecord(RecordType::TextCFExceptionAtom);
    writer.U32(kCfFont | kCfSize);
    writer.U16(0); // the first font
    writer.U16(kDefaultFontSize);
    writer.EndRecord();

    writer.BeginRecord(RecordType::TextPFExceptionAtom);
    writer.U16(0); // reserved
    writer.U32(0); // no paragraph defaults beyond the format's own
    writer.EndRecord();

    writer.BeginRecord(RecordType::TextSIExceptionAtom);
    writer.U32(kSiSpellLangAltLang);
    writer.U16(0); // spelling state
    writer.U16(kLanguageEnglishUs);
    writer.U16(0); // no alternative language
    writer.EndRecord();
}
