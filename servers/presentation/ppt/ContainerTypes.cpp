// SPDX-License-Identifier: MIT
#include "ContainerTypes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Every container record type of the PowerPoint 97-2003 binary format and of
// the Office drawing records it embeds, sorted for lookup.
constexpr std::array<std::uint16_t, 87> kContainerTypes = {
    0x03E8, // Document
    0x03EE, // Slide
    0x03F0, // Notes
    0x03F2, // Environment
    0x03F8, // MainMaster
    0x03FA, // SlideViewInfo
    0x03FF, // VbaInfo
    0x0402, // Summary
    0x0407, // OutlineViewInfo
    0x0408, // SorterViewInfo
    0x0409, // ExObjList
    0x040B, // DrawingGroup
    0x040C, // Drawing
    0x0410, // NamedShows
    0x0411, // NamedShow
    0x0413, // NotesTextViewInfo9
    0x0414, // NormalViewSetInfo9
    0x07D0, // List
    0x07D5, // FontCollection
    0x07D6, // FontCollection10
    0x07E3, // BookmarkCollection
    0x07E4, // SoundCollection
    0x07E6, // Sound
    0x07F8, // BlipCollection9
    0x0FAE, // OutlineTextProps9
    0x0FB3, // OutlineTextProps10
    0x0FB5, // OutlineTextProps11
    0x0FC8, // Kinsoku
    0x0FC9, // Handout
    0x0FCC, // ExOleEmbed
    0x0FCE, // ExOleLink
    0x0FD7, // ExHyperlink
    0x0FD9, // HeadersFooters
    0x0FE4, // ExHyperlink9
    0x0FEE, // ExControl
    0x0FF0, // SlideListWithText
    0x0FF2, // InteractiveInfo
    0x1005, // ExVideo
    0x1006, // ExAviMovie
    0x1007, // ExMciMovie
    0x100D, // ExMidiAudio
    0x100E, // ExCdAudio
    0x100F, // ExWavAudioEmbedded
    0x1010, // ExWavAudioLink
    0x1014, // AnimationInfo
    0x1388, // ProgTags
    0x1389, // ProgStringTag
    0x138A, // ProgBinaryTag
    0x177D, // HtmlPublishInfo9
    0x177E, // BroadcastDocInfo9
    0x2B02, // BuildList
    0x2B04, // ChartBuild
    0x2B06, // DiagramBuild
    0x2B08, // ParaBuild
    0x2EE0, // Comment10
    0x2EE4, // CommentIndex10
    0x2EEC, // DiffTree10
    0x2EED, // Diff10
    0x2EF1, // SlideListTable10
    0x2F14, // CryptSession10
    0x36B3, // SmartTagStore11
    0x3714, // RoundTripSlideSyncInfo12
    0xF000, // OfficeArtDggContainer
    0xF001, // OfficeArtBStoreContainer
    0xF002, // OfficeArtDgContainer
    0xF003, // OfficeArtSpgrContainer
    0xF004, // OfficeArtSpContainer
    0xF005, // OfficeArtSolverContainer
    0xF00D, // OfficeArtClientTextbox
    0xF011, // OfficeArtClientData
    0xF118, // OfficeArtFRITContainer
    0xF125, // TimeConditionContainer
    0xF12A, // TimeBehaviorContainer
    0xF12B, // TimeAnimateBehaviorContainer
    0xF12C, // TimeColorBehaviorContainer
    0xF12D, // TimeEffectBehaviorContainer
    0xF12E, // TimeMotionBehaviorContainer
    0xF12F, // TimeRotationBehaviorContainer
    0xF130, // TimeScaleBehaviorContainer
    0xF131, // TimeSetBehaviorContainer
    0xF132, // TimeCommandBehaviorContainer
    0xF13C, // TimeClientVisualElement
    0xF13D, // TimePropertyList
    0xF13E, // TimeVariantList
    0xF13F, // TimeAnimationValueList
    0xF144, // ExtTimeNodeContainer
    0xF145, // SubEffectContainer
};

static_assert(std::is_sorted(kContainerTypes.begin(), kContainerTypes.end()));

} // namespace

bool IsContainerType(std::uint16_t type)
{
    return std::binary_search(kContainerTypes.begin(), kContainerTypes.end(), type);
}
