// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// The numbers of the PowerPoint 97-2003 binary format that this writer and its
// reader use, each named once. Lengths are payload lengths (after the header).

// Record header: u16 version|instance<<4, u16 type, u32 payload length.
inline constexpr std::size_t kRecordHeaderSize = 8;
inline constexpr std::size_t kRecordLengthOffset = 4;
inline constexpr std::uint8_t kContainerVersion = 0xF;

enum class RecordType : std::uint16_t
{
    Document = 0x03E8,
    DocumentAtom = 0x03E9,
    EndDocumentAtom = 0x03EA,
    Slide = 0x03EE,
    SlideAtom = 0x03EF,
    Notes = 0x03F0,
    Environment = 0x03F2,
    SlidePersistAtom = 0x03F3,
    MainMaster = 0x03F8,
    SlideViewInfo = 0x03FA,
    ViewInfoAtom = 0x03FD,
    SlideViewInfoAtom = 0x03FE,
    DrawingGroup = 0x040B,
    Drawing = 0x040C,
    List = 0x07D0,
    FontCollection = 0x07D5,
    ColorSchemeAtom = 0x07F0,
    PlaceholderAtom = 0x0BC3,
    OutlineTextRefAtom = 0x0F9E,
    TextHeaderAtom = 0x0F9F,
    TextCharsAtom = 0x0FA0,
    StyleTextPropAtom = 0x0FA1,
    MasterTextPropAtom = 0x0FA2,
    TextMasterStyleAtom = 0x0FA3,
    TextCFExceptionAtom = 0x0FA4,
    TextPFExceptionAtom = 0x0FA5,
    TextBytesAtom = 0x0FA8,
    TextSIExceptionAtom = 0x0FA9,
    FontEntityAtom = 0x0FB7,
    CString = 0x0FBA,
    Kinsoku = 0x0FC8,
    KinsokuAtom = 0x0FD2,
    HeadersFooters = 0x0FD9,
    HeadersFootersAtom = 0x0FDA,
    SlideListWithText = 0x0FF0,
    UserEditAtom = 0x0FF5,
    CurrentUserAtom = 0x0FF6,
    PersistDirectoryAtom = 0x1772,
    // OfficeArt drawing records
    DggContainer = 0xF000,
    DgContainer = 0xF002,
    SpgrContainer = 0xF003,
    SpContainer = 0xF004,
    Fdgg = 0xF006,
    Fdg = 0xF008,
    Fspgr = 0xF009,
    Fsp = 0xF00A,
    Fopt = 0xF00B,
    ClientTextbox = 0xF00D,
    ClientAnchor = 0xF010,
    ClientData = 0xF011,
    SplitMenuColors = 0xF11E,
};

constexpr std::uint16_t RecordTypeValue(RecordType type) noexcept
{
    return static_cast<std::uint16_t>(type);
}

// Record versions of the atoms that are not version 0.
inline constexpr std::uint8_t kDocumentAtomVersion = 1;
inline constexpr std::uint8_t kSlideAtomVersion = 2;
inline constexpr std::uint8_t kFspgrVersion = 1;
inline constexpr std::uint8_t kFspVersion = 2;
inline constexpr std::uint8_t kFoptVersion = 3;

// SlideListWithText instances.
inline constexpr std::uint16_t kSlideListSlides = 0;
inline constexpr std::uint16_t kSlideListMasters = 1;
// Kinsoku and KinsokuAtom instances, and the CString instance that names a master.
inline constexpr std::uint16_t kKinsokuInstance = 2;
inline constexpr std::uint16_t kKinsokuAtomInstance = 3;
inline constexpr std::uint16_t kMasterNameInstance = 2;
// HeadersFooters instance of the slides' settings.
inline constexpr std::uint16_t kHeadersFootersSlides = 3;
// ColorSchemeAtom instances.
inline constexpr std::uint16_t kSchemeCurrent = 1;
inline constexpr std::uint16_t kSchemeListEntry = 6;

// Current User stream.
inline constexpr std::uint32_t kCurrentUserFixedSize = 0x14;
inline constexpr std::uint32_t kHeaderTokenPlain = 0xE391C05F;
inline constexpr std::uint16_t kDocFileVersion = 0x03F4;
inline constexpr std::uint8_t kFileMajorVersion = 3;
inline constexpr std::uint8_t kFileMinorVersion = 0;
inline constexpr std::uint32_t kReleaseVersion = 8;

// Persist directory entries: 20-bit first id, 12-bit count.
inline constexpr std::uint32_t kPersistIdBits = 20;
inline constexpr std::uint32_t kMaxPersistRun = 0xFFF;
inline constexpr std::uint16_t kLastViewSlide = 1;

// Identifier spaces.
inline constexpr std::uint32_t kDocumentPersistId = 1;
inline constexpr std::uint32_t kFirstSlideId = 0x100;
inline constexpr std::uint32_t kFirstMasterId = 0x80000000;
inline constexpr std::uint32_t kShapesPerCluster = 1024;

// Slide size of an on-screen show, 10 x 7.5 in at 576 master units per inch.
inline constexpr std::uint32_t kSlideWidth = 5760;
inline constexpr std::uint32_t kSlideHeight = 4320;

// SlideAtom.geom
enum class SlideGeom : std::uint32_t
{
    TitleSlide = 0,
    TitleBody = 1,
    TwoColumns = 8,
};

// PlaceholderAtom.placementId and SlideAtom.rgPlaceholderTypes
enum class PlacementId : std::uint8_t
{
    None = 0,
    MasterTitle = 1,
    MasterBody = 2,
    MasterCenterTitle = 3,
    MasterSubTitle = 4,
    Title = 13,
    Body = 14,
    CenterTitle = 15,
    SubTitle = 16,
};
constexpr std::uint8_t PlacementValue(PlacementId id) noexcept
{
    return static_cast<std::uint8_t>(id);
}
inline constexpr std::size_t kPlaceholderTypeSlots = 8;
inline constexpr std::uint8_t kPlaceholderFull = 0;
inline constexpr std::uint8_t kPlaceholderHalf = 1;

// TextHeaderAtom.textType and TextMasterStyleAtom instances.
enum class TextType : std::uint16_t
{
    Title = 0,
    Body = 1,
    Notes = 2,
    Other = 4,
    CenterBody = 5,
    CenterTitle = 6,
    HalfBody = 7,
    QuarterBody = 8,
};
// From this text type on, every master style level carries its level number.
inline constexpr std::uint16_t kFirstLevelNumberedTextType = 5;
inline constexpr int kMaxIndentLevels = 5;

// Characters with a meaning inside text atoms.
inline constexpr char16_t kParagraphBreak = 0x000D;
inline constexpr char16_t kLineBreak = 0x000B;

// SlideAtom.slideFlags: follow the master's objects, scheme and background.
inline constexpr std::uint16_t kFollowMasterAll = 0x0007;

// FSP flags
inline constexpr std::uint32_t kShapeGroup = 0x001;
inline constexpr std::uint32_t kShapePatriarch = 0x004;
inline constexpr std::uint32_t kShapeHaveMaster = 0x020;
inline constexpr std::uint32_t kShapeHaveAnchor = 0x200;
inline constexpr std::uint32_t kShapeBackground = 0x400;
inline constexpr std::uint32_t kShapeHaveSpt = 0x800;
inline constexpr std::uint16_t kShapeTypeRectangle = 1;

// FOPT property ids (bit 15 marks complex data appended after the table).
enum class ShapeProperty : std::uint16_t
{
    Protection = 0x007F,
    AnchorText = 0x0087,
    FillColor = 0x0181,
    FillBackColor = 0x0183,
    FillBooleans = 0x01BF,
    LineColor = 0x01C0,
    LineBooleans = 0x01FF,
    ShadowColor = 0x0201,
    HspMaster = 0x0301,
    ShapeBooleans = 0x033F,
    Name = 0x0380,
};
inline constexpr std::uint16_t kComplexProperty = 0x8000;
// Protection booleans: each lock bit counts only when its "use" bit, 16 places
// higher, is set; a use bit with a clear lock bit states "not locked".
inline constexpr std::uint32_t kLockAgainstGrouping = 0x00000001;
inline constexpr std::uint32_t kLockText = 0x00000004;
inline constexpr std::uint32_t kUseLockAgainstGrouping = 0x00010000;
inline constexpr std::uint32_t kUseLockText = 0x00040000;
// What PowerPoint stores: a slide placeholder's text is editable; a master
// placeholder is also kept out of groups.
inline constexpr std::uint32_t kSlidePlaceholderProtection = kUseLockText;
inline constexpr std::uint32_t kMasterPlaceholderProtection =
    kUseLockText | kUseLockAgainstGrouping | kLockAgainstGrouping;
inline constexpr std::uint32_t kNoFill = 0x00100000; // fUsefFilled set, fFilled clear
inline constexpr std::uint32_t kNoLine = 0x00080000; // fUsefLine set, fLine clear
inline constexpr std::uint32_t kSolidFill = 0x00100010;
inline constexpr std::uint32_t kSolidLine = 0x00080008;
// A colour property that names an entry of the colour scheme.
inline constexpr std::uint32_t kSchemeColor = 0x08000000;
inline constexpr std::uint32_t kIsBackground = 0x00010001;
inline constexpr std::uint32_t kAnchorMiddle = 1;

// Text property exception masks (paragraph and character).
inline constexpr std::uint32_t kPfBulletFlags = 0x000F;
inline constexpr std::uint32_t kPfBulletFont = 0x0010;
inline constexpr std::uint32_t kPfBulletColor = 0x0020;
inline constexpr std::uint32_t kPfBulletSize = 0x0040;
inline constexpr std::uint32_t kPfBulletChar = 0x0080;
inline constexpr std::uint32_t kPfLeftMargin = 0x0100;
inline constexpr std::uint32_t kPfIndent = 0x0400;
inline constexpr std::uint32_t kPfAlignment = 0x0800;
inline constexpr std::uint32_t kPfLineSpacing = 0x1000;
inline constexpr std::uint32_t kPfSpaceBefore = 0x2000;
inline constexpr std::uint32_t kPfSpaceAfter = 0x4000;
inline constexpr std::uint32_t kPfDefaultTabSize = 0x8000;
inline constexpr std::uint32_t kPfFontAlign = 0x10000;
inline constexpr std::uint32_t kPfWrapFlags = 0x20000 | 0x40000 | 0x80000; // one field
inline constexpr std::uint32_t kPfTabStops = 0x100000;
inline constexpr std::uint32_t kPfTextDirection = 0x200000;
inline constexpr std::uint16_t kWordWrap = 0x0002;
inline constexpr std::uint16_t kBulletOnWithFontColorSize = 0x000F;
inline constexpr std::uint32_t kCfStyleBoldItalicUnderline = 0x0007;
inline constexpr std::uint32_t kCfFont = 0x10000;
inline constexpr std::uint32_t kCfSize = 0x20000;
inline constexpr std::uint32_t kCfColor = 0x40000;
inline constexpr std::uint32_t kSiSpellLangAltLang = 0x7;
inline constexpr std::uint16_t kLanguageEnglishUs = 0x0409;
// A text colour given as red, green, blue rather than a scheme index.
inline constexpr std::uint32_t kColorIsRgb = 0xFE000000;

// FontEntityAtom
inline constexpr std::size_t kFontFaceNameUnits = 32;
inline constexpr std::uint8_t kFontTrueType = 0x04;
inline constexpr std::uint8_t kFontVariableSwiss = 0x22;

// Compound file: the class id of a presentation's root storage, in stored order.
inline constexpr std::uint8_t kPresentationClassId[16] = {
    0x10, 0x8D, 0x81, 0x64, 0x9B, 0x4F, 0xCF, 0x11, 0x86, 0xEA, 0x00, 0xAA, 0x00, 0xB9, 0x29, 0xE8};
inline constexpr const char* kDocumentStreamName = "PowerPoint Document";
inline constexpr const char* kCurrentUserStreamName = "Current User";
inline constexpr const char* kPicturesStreamName = "Pictures";
