// SPDX-License-Identifier: MIT
#include "TemplateReader.h"

#include "MasterCheck.h"
#include "MasterCopy.h"
#include "MasterShapes.h"
#include "TextPropCheck.h"

#include <set>
#include <string>

namespace {

constexpr std::uint32_t kHeaderTokenEncrypted = 0xF3D1C4DF;
constexpr std::uint32_t kUserEditLength = 28;
constexpr std::uint32_t kCurrentUserMinimum = 20;
constexpr std::size_t kMaxEdits = 4096;
constexpr std::uint32_t kMaxSlideExtent = 0x7FFF; // anchors are 16-bit

[[noreturn]] void Fail(const std::string& reason)
{
    throw CTemplateFormatError(reason);
}

std::uint32_t ShapeIdOf(const std::map<std::uint8_t, MasterShape>& shapes, std::uint8_t placement)
{
    const auto found = shapes.find(placement);
    return found != shapes.end() ? found->second.shapeId : 0;
}

} // namespace

CTemplateReader::CTemplateReader(const std::vector<std::uint8_t>& documentStream,
                                 const std::optional<std::vector<std::uint8_t>>& currentUserStream)
    : m_bytes(documentStream), m_reader(documentStream)
{
    ReadEditChain(FindNewestEdit(currentUserStream));
}

bool CTemplateReader::IsUserEdit(std::size_t offset) const
{
    return offset <= m_bytes.size() && m_bytes.size() - offset >= kRecordHeaderSize + 28 &&
           m_reader.U16(offset + 2) == RecordTypeValue(RecordType::UserEditAtom) &&
           m_reader.U32(offset + kRecordLengthOffset) >= kUserEditLength;
}

// Current User names the newest edit; some writers leave it out or point it
// astray, and readers then take the stream's last user edit instead.
std::uint32_t
CTemplateReader::FindNewestEdit(const std::optional<std::vector<std::uint8_t>>& currentUser) const
{
    if (currentUser && currentUser->size() >= kRecordHeaderSize + kCurrentUserMinimum) {
        const CRecordReader user(*currentUser);
        const std::size_t payload = kRecordHeaderSize;
        if (user.U16(2) == RecordTypeValue(RecordType::CurrentUserAtom)) {
            if (user.U32(payload + 4) == kHeaderTokenEncrypted)
                Fail("it is encrypted");
            const std::uint32_t offset = user.U32(payload + 8);
            if (IsUserEdit(offset))
                return offset;
        }
    }
    return LastEditInStream();
}

std::uint32_t CTemplateReader::LastEditInStream() const
{
    std::optional<std::size_t> last;
    std::size_t at = 0;
    while (m_bytes.size() - at >= kRecordHeaderSize) {
        if (IsUserEdit(at))
            last = at;
        const std::size_t next = at + kRecordHeaderSize + m_reader.U32(at + kRecordLengthOffset);
        if (next > m_bytes.size())
            break;
        at = next;
    }
    if (!last)
        Fail("it holds no user edit, so its parts cannot be found");
    return static_cast<std::uint32_t>(*last);
}

// Newest edit first; an id that a newer edit mapped keeps that offset.
void CTemplateReader::ReadEditChain(std::uint32_t newestEdit)
{
    std::set<std::uint32_t> edits;
    std::set<std::uint32_t> directories;
    std::uint32_t edit = newestEdit;
    while (true) {
        if (!edits.insert(edit).second)
            Fail("its chain of user edits runs in a circle");
        if (edits.size() > kMaxEdits)
            Fail("it has more user edits than any real file");
        if (!IsUserEdit(edit))
            Fail("a user edit is missing at offset " + std::to_string(edit));
        const std::size_t payload = edit + kRecordHeaderSize;
        if (m_documentPersistId == 0)
            m_documentPersistId = m_reader.U32(payload + 16);
        const std::uint32_t directory = m_reader.U32(payload + 12);
        if (directories.insert(directory).second)
            ReadDirectory(directory);
        const std::uint32_t previous = m_reader.U32(payload + 8);
        if (previous == 0)
            break;
        edit = previous;
    }
}

void CTemplateReader::ReadDirectory(std::size_t offset)
{
    if (offset > m_bytes.size() || m_bytes.size() - offset < kRecordHeaderSize ||
        m_reader.U16(offset + 2) != RecordTypeValue(RecordType::PersistDirectoryAtom))
        Fail("a user edit points at no persist directory");
    const RecordNode directory = m_reader.ReadAt(offset);
    std::size_t at = directory.PayloadOffset();
    while (directory.End() - at >= 4) {
        const std::uint32_t entry = m_reader.U32(at);
        const std::uint32_t first = entry & ((1u << kPersistIdBits) - 1);
        const std::uint32_t count = entry >> kPersistIdBits;
        at += 4;
        if ((directory.End() - at) / 4 < count)
            Fail("its persist directory is cut short");
        for (std::uint32_t i = 0; i < count; ++i, at += 4)
            m_offsets.emplace(first + i, m_reader.U32(at));
    }
}

RecordNode CTemplateReader::ReadPersistObject(std::uint32_t persistId, const char* what) const
{
    const auto found = m_offsets.find(persistId);
    if (found == m_offsets.end() || found->second >= m_bytes.size())
        Fail(std::string("its persist directory does not locate the ") + what);
    return m_reader.ReadAt(found->second);
}

std::vector<std::uint8_t> CTemplateReader::Copy(const RecordNode& node) const
{
    const auto begin = m_bytes.begin() + static_cast<std::ptrdiff_t>(node.offset);
    return {begin, begin + static_cast<std::ptrdiff_t>(node.End() - node.offset)};
}

TemplateDesign CTemplateReader::Read(std::vector<std::uint8_t> pictures) const
{
    const RecordNode document = ReadPersistObject(m_documentPersistId, "document");
    if (document.type != RecordTypeValue(RecordType::Document))
        Fail("no document where its persist directory points");
    TemplateDesign design;
    ReadDocumentAtom(document, design);
    const RecordNode* environment = document.Child(RecordTypeValue(RecordType::Environment));
    if (const auto missing = MasterCheck::Environment(environment))
        Fail("its document " + *missing + ", which its masters need: the file is damaged");
    if (!TextPropCheck::TextWhole(m_reader, *environment))
        Fail("its default text styles cannot be read: the file is damaged");
    design.environment = Copy(*environment);
    ReadDrawingGroup(document, design);
    ReadMasters(document, design);
    design.pictures = std::move(pictures);
    return design;
}

void CTemplateReader::ReadDocumentAtom(const RecordNode& document, TemplateDesign& design) const
{
    const RecordNode* atom = document.Child(RecordTypeValue(RecordType::DocumentAtom));
    if (!atom || atom->length < 36)
        Fail("its document has no document atom");
    design.slideWidth = m_reader.U32(atom->PayloadOffset());
    design.slideHeight = m_reader.U32(atom->PayloadOffset() + 4);
    design.slideSizeType = m_reader.U16(atom->PayloadOffset() + 34);
    if (design.slideWidth == 0 || design.slideWidth > kMaxSlideExtent || design.slideHeight == 0 ||
        design.slideHeight > kMaxSlideExtent)
        Fail("its page size is not valid");
}

// The cluster table is rebuilt around the new slides; everything after it
// (picture store, default shape properties) is kept as stored.
void CTemplateReader::ReadDrawingGroup(const RecordNode& document, TemplateDesign& design) const
{
    const RecordNode* group = document.Child(RecordTypeValue(RecordType::DrawingGroup));
    const RecordNode* dgg =
        group ? group->Child(RecordTypeValue(RecordType::DggContainer)) : nullptr;
    if (!dgg)
        return;
    for (const RecordNode& child : dgg->children) {
        if (child.type != RecordTypeValue(RecordType::Fdgg)) {
            const std::vector<std::uint8_t> bytes = Copy(child);
            design.drawingGroupExtras.insert(design.drawingGroupExtras.end(), bytes.begin(),
                                             bytes.end());
            continue;
        }
        if (child.length < 16 || !design.clusters.empty())
            continue;
        const std::uint32_t declared = m_reader.U32(child.PayloadOffset() + 4);
        const std::size_t stored = (child.length - 16) / 8;
        const std::size_t count = std::min<std::size_t>(declared == 0 ? 0 : declared - 1, stored);
        if (count > kMaxClusters)
            Fail("its drawing group numbers more shape clusters than the format allows");
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = child.PayloadOffset() + 16 + 8 * i;
            design.clusters.push_back({m_reader.U32(at), m_reader.U32(at + 4)});
        }
    }
}

TemplateMaster CTemplateReader::ReadMaster(const RecordNode& entry, std::uint32_t& masterIdRef,
                                           RecordNode& container) const
{
    const std::uint32_t persistId = m_reader.U32(entry.PayloadOffset());
    container = ReadPersistObject(persistId, "master");
    const bool main = container.type == RecordTypeValue(RecordType::MainMaster);
    if (!main && container.type != RecordTypeValue(RecordType::Slide))
        Fail("its master list names something that is not a master");
    if (const auto missing = MasterCheck::Master(m_reader, container, main))
        Fail("a master " + *missing + ", so it cannot be copied whole: the file is damaged");
    if (!TextPropCheck::TextWhole(m_reader, container))
        Fail("a master's text formatting cannot be read, so it cannot be copied whole: the file "
             "is damaged");
    const RecordNode* atom = container.Child(RecordTypeValue(RecordType::SlideAtom));
    masterIdRef = m_reader.U32(atom->PayloadOffset() + 12);

    TemplateMaster master;
    master.container = CopyMaster(m_reader, container);
    master.masterId = m_reader.U32(entry.PayloadOffset() + 12);
    master.isTitleMaster = !main;
    MasterShapes::DrawingIds(m_reader, container, master);
    if (master.drawingId > kMaxDrawingId)
        Fail("a master's drawing id is out of range");
    return master;
}

namespace {

// The list of instance 1; a file without one has its masters first.
const RecordNode* MasterList(const RecordNode& document)
{
    const RecordNode* list = nullptr;
    for (const RecordNode& child : document.children) {
        if (child.type != RecordTypeValue(RecordType::SlideListWithText))
            continue;
        if (child.instance == kSlideListMasters)
            return &child;
        list = list ? list : &child;
    }
    return list;
}

} // namespace

// The first main master styles the slides; a title master that belongs to it
// (PowerPoint 97-2003 templates usually have one) places the title slide.
void CTemplateReader::ReadMasters(const RecordNode& document, TemplateDesign& design) const
{
    const RecordNode* list = MasterList(document);
    std::vector<std::uint32_t> masterIdRefs;
    std::vector<RecordNode> containers;
    for (const RecordNode& entry : list ? list->children : std::vector<RecordNode>{}) {
        if (entry.type != RecordTypeValue(RecordType::SlidePersistAtom) || entry.length < 16)
            continue;
        if (design.masters.size() == kMaxMasters)
            Fail("it has more masters than any real file");
        std::uint32_t masterIdRef = 0;
        containers.push_back(RecordNode{});
        design.masters.push_back(ReadMaster(entry, masterIdRef, containers.back()));
        masterIdRefs.push_back(masterIdRef);
    }
    std::optional<std::size_t> main;
    for (std::size_t i = 0; i < design.masters.size() && !main; ++i) {
        if (!design.masters[i].isTitleMaster)
            main = i;
    }
    if (!main)
        Fail("it has no slide master");
    design.mainMaster = *main;
    const std::uint32_t mainId = design.masters[*main].masterId;
    for (std::size_t i = 0; i < design.masters.size() && !design.titleMaster; ++i) {
        if (design.masters[i].isTitleMaster && masterIdRefs[i] == mainId)
            design.titleMaster = i;
    }

    PlaceSlides(containers[*main], design.titleMaster ? &containers[*design.titleMaster] : nullptr,
                design);
}

// Slides sit where the masters' placeholders are and name them as theirs.
void CTemplateReader::PlaceSlides(const RecordNode& main, const RecordNode* title,
                                  TemplateDesign& design) const
{
    const auto mainShapes = MasterShapes::Placeholders(m_reader, main);
    std::map<std::uint8_t, MasterShape> titleShapes;
    if (title)
        titleShapes = MasterShapes::Placeholders(m_reader, *title);
    design.slides =
        MasterShapes::SlidesFrom(mainShapes, titleShapes, design.slideWidth, design.slideHeight);
    if (const auto scheme = MasterShapes::ColorScheme(m_reader, main))
        design.slides.colorScheme = *scheme;
    design.titleSlides = design.slides;
    if (const auto scheme = title ? MasterShapes::ColorScheme(m_reader, *title) : std::nullopt)
        design.titleSlides.colorScheme = *scheme;
    design.titleShapeId = ShapeIdOf(mainShapes, PlacementValue(PlacementId::MasterTitle));
    design.bodyShapeId = ShapeIdOf(mainShapes, PlacementValue(PlacementId::MasterBody));
    design.centerTitleShapeId =
        ShapeIdOf(titleShapes, PlacementValue(PlacementId::MasterCenterTitle));
    design.subtitleShapeId = ShapeIdOf(titleShapes, PlacementValue(PlacementId::MasterSubTitle));
}
