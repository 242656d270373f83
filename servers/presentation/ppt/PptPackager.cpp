// SPDX-License-Identifier: MIT
#include "PptPackager.h"

#include "CurrentUserRecord.h"
#include "DocumentRecords.h"
#include "DocumentTitle.h"
#include "MasterRecords.h"
#include "PersistRecords.h"
#include "RecordWriter.h"
#include "SlideRecords.h"
#include "TemplateDesign.h"
#include "TemplateDocumentRecords.h"

#include <ctime>
#include <map>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint32_t kMasterPersistId = 2;
constexpr std::uint32_t kFirstSlidePersistId = 3;
constexpr std::uint32_t kMasterDrawingId = 1;
constexpr std::uint32_t kFirstSlideDrawingId = 2;
constexpr const char* kApplicationName = "Quillon";

// More than the records of the document will take: every character two
// bytes (UTF-16 takes no more units than UTF-8 takes bytes), and room to
// spare for each paragraph's mark and run, each placeholder's and slide's
// records and the document's own.
std::size_t RecordRoom(const PresentationDocument& document)
{
    std::size_t room = 64 * 1024;
    if (document.design) {
        for (const TemplateMaster& master : document.design->masters)
            room += master.container.size();
    }
    for (const SlideData& slide : document.slides) {
        room += 1024;
        for (const Placeholder& placeholder : slide.placeholders) {
            room +=
                512 + 2 * placeholder.paragraphs.Text().size() + 16 * placeholder.paragraphs.size();
        }
    }
    return room;
}

} // namespace

CPptPackager::CPptPackager(std::string userName, DesignDescription design)
    : m_userName(std::move(userName)), m_design(std::move(design))
{}

PptStreams CPptPackager::Package(const PresentationDocument& document) const
{
    // Drawing ids live in a 12-bit field.
    if (document.slides.size() > kMaxSlides)
        throw std::length_error("a PowerPoint 97-2003 file holds at most " +
                                std::to_string(kMaxSlides) +
                                " slides; save the presentation as .pptx instead");
    if (document.design)
        return PackageAround(*document.design, document);

    const CMasterRecords master(kMasterDrawingId, m_design);
    SlideDesign slideDesign;
    slideDesign.colorScheme = m_design.colorScheme;
    std::vector<CSlideRecords> slides;
    slides.reserve(document.slides.size());
    for (std::size_t i = 0; i < document.slides.size(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        SlidePlacement placement;
        placement.persistId = kFirstSlidePersistId + index;
        placement.slideId = kFirstSlideId + index;
        placement.drawingId = kFirstSlideDrawingId + index;
        placement.masterId = kFirstMasterId;
        placement.masterTitleShapeId = master.TitleShapeId();
        placement.masterBodyShapeId = master.BodyShapeId();
        placement.design = &slideDesign;
        slides.emplace_back(document.slides[i], placement);
    }

    CRecordWriter writer;
    writer.Reserve(RecordRoom(document));
    std::map<std::uint32_t, std::uint32_t> offsets;
    offsets[kDocumentPersistId] = 0;
    CDocumentRecords({&master, kMasterPersistId, kFirstMasterId}, slides, m_design).Write(writer);
    offsets[kMasterPersistId] = static_cast<std::uint32_t>(writer.Size());
    master.Write(writer);
    for (std::size_t i = 0; i < slides.size(); ++i) {
        offsets[kFirstSlidePersistId + static_cast<std::uint32_t>(i)] =
            static_cast<std::uint32_t>(writer.Size());
        slides[i].Write(writer);
    }
    return Finish(writer, std::move(offsets), document);
}

PptStreams CPptPackager::Finish(CRecordWriter& writer,
                                std::map<std::uint32_t, std::uint32_t> offsets,
                                const PresentationDocument& document) const
{
    CPersistRecords persist(std::move(offsets), kFirstSlideId);
    persist.Write(writer);

    CRecordWriter user;
    const CCurrentUserRecord currentUser(persist.UserEditOffset(), m_userName);
    currentUser.Write(user);

    DocumentSummary summary;
    summary.title = DocumentTitle(document);
    summary.author = currentUser.UserName();
    summary.application = kApplicationName;
    summary.created = summary.saved = static_cast<std::int64_t>(std::time(nullptr));
    summary.slideCount = static_cast<int>(document.slides.size());
    return {writer.Take(), user.Take(), {}, std::move(summary)};
}

namespace {

SlidePlacement PlacementAround(const TemplateDesign& design, const SlideData& slide)
{
    SlidePlacement placement;
    const bool titleSlide = slide.layout == 1 && design.titleMaster;
    const TemplateMaster& master =
        design.masters[titleSlide ? *design.titleMaster : design.mainMaster];
    placement.masterId = master.masterId;
    placement.masterTitleShapeId = titleSlide ? design.centerTitleShapeId : design.titleShapeId;
    placement.masterBodyShapeId = titleSlide ? design.subtitleShapeId : design.bodyShapeId;
    placement.design = titleSlide ? &design.titleSlides : &design.slides;
    return placement;
}

} // namespace

// The template's masters go into the file as they are; only the slides, the
// lists that name them and the drawing group's cluster table are new.
PptStreams CPptPackager::PackageAround(const TemplateDesign& design,
                                       const PresentationDocument& document) const
{
    const auto masterCount = static_cast<std::uint32_t>(design.masters.size());
    const std::uint32_t firstSlidePersistId = kMasterPersistId + masterCount;
    const std::uint32_t firstDrawingId = CTemplateDocumentRecords::FirstSlideDrawingId(design);
    if (masterCount == 0 || firstDrawingId + document.slides.size() > 0xFFF)
        throw std::length_error("the design leaves no room for the slides");

    std::vector<CSlideRecords> slides;
    slides.reserve(document.slides.size());
    for (std::size_t i = 0; i < document.slides.size(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        SlidePlacement placement = PlacementAround(design, document.slides[i]);
        placement.persistId = firstSlidePersistId + index;
        placement.slideId = kFirstSlideId + index;
        placement.drawingId = firstDrawingId + index;
        slides.emplace_back(document.slides[i], placement);
    }

    CRecordWriter writer;
    writer.Reserve(RecordRoom(document));
    std::map<std::uint32_t, std::uint32_t> offsets;
    offsets[kDocumentPersistId] = 0;
    CTemplateDocumentRecords(design, kMasterPersistId, slides).Write(writer);
    for (std::uint32_t i = 0; i < masterCount; ++i) {
        offsets[kMasterPersistId + i] = static_cast<std::uint32_t>(writer.Size());
        writer.Bytes(design.masters[i].container);
    }
    for (std::size_t i = 0; i < slides.size(); ++i) {
        offsets[firstSlidePersistId + static_cast<std::uint32_t>(i)] =
            static_cast<std::uint32_t>(writer.Size());
        slides[i].Write(writer);
    }
    PptStreams streams = Finish(writer, std::move(offsets), document);
    streams.pictures = design.pictures;
    return streams;
}
