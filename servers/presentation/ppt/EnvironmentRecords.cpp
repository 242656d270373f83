#include "EnvironmentRecords.h"

#include "DefaultDesign.h"
#include "RecordWriter.h"
#include "TextStyles.h"

#include <string_view>

namespace {

constexpr std::uint16_t kDefaultFontSize = 18;

} // namespace

void CEnvironmentRecords::Write(CRecordWriter& writer) const
{
    writer.BeginContainer(RecordType::Environment);
    WriteFontCollection(writer);
    WriteTextDefaults(writer);
    CTextStyles(TextType::Other).Write(writer);
    writer.EndRecord();
}

void CEnvironmentRecords::WriteFontCollection(CRecordWriter& writer) const
{
    const std::u16string_view face = DefaultDesign::kFontName;
    writer.BeginContainer(RecordType::FontCollection);
    writer.BeginRecord(RecordType::FontEntityAtom, 0, 0); // instance = font index
    writer.Utf16(face);
    writer.Zeros(2 * (kFontFaceNameUnits - face.size()));
    writer.U8(0); // ANSI character set
    writer.U8(0); // not embedded
    writer.U8(kFontTrueType);
    writer.U8(kFontVariableSwiss);
    writer.EndRecord();
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
