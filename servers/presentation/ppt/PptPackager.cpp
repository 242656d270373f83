#include "PptPackager.h"

#include "CurrentUserRecord.h"
#include "DocumentRecords.h"
#include "MasterRecords.h"
#include "PersistRecords.h"
#include "RecordWriter.h"
#include "SlideRecords.h"

#include <map>
#include <stdexcept>

namespace {

constexpr std::uint32_t kMasterPersistId = 2;
constexpr std::uint32_t kFirstSlidePersistId = 3;
constexpr std::uint32_t kMasterDrawingId = 1;
constexpr std::uint32_t kFirstSlideDrawingId = 2;

} // namespace

CPptPackager::CPptPackager(std::string userName) : m_userName(std::move(userName)) {}

PptStreams CPptPackager::Package(const PresentationDocument& document) const
{
    // Drawing ids live in a 12-bit field.
    if (document.slides.size() > kMaxSlides)
        throw std::length_error("a presentation holds at most 4000 slides");

    const CMasterRecords master(kMasterDrawingId);
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
        slides.emplace_back(document.slides[i], placement);
    }

    CRecordWriter writer;
    std::map<std::uint32_t, std::uint32_t> offsets;
    offsets[kDocumentPersistId] = 0;
    CDocumentRecords({&master, kMasterPersistId, kFirstMasterId}, slides).Write(writer);
    offsets[kMasterPersistId] = static_cast<std::uint32_t>(writer.Size());
    master.Write(writer);
    for (std::size_t i = 0; i < slides.size(); ++i) {
        offsets[kFirstSlidePersistId + static_cast<std::uint32_t>(i)] =
            static_cast<std::uint32_t>(writer.Size());
        slides[i].Write(writer);
    }
    CPersistRecords persist(std::move(offsets), kFirstSlideId);
    persist.Write(writer);

    CRecordWriter user;
    CCurrentUserRecord(persist.UserEditOffset(), m_userName).Write(user);
    return {writer.Take(), user.Take()};
}
