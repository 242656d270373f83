// SPDX-License-Identifier: MIT
#include "PresentationBuilder.h"

#include "NoteMarkup.h"
#include "PowerPointDispids.h"
#include "Presentations.h"
#include "Shape.h"
#include "Shapes.h"
#include "Slides.h"
#include "TextFrame.h"
#include "TextRange.h"

#include <limits>
#include <utility>

using namespace PowerPointConstant;

namespace {

constexpr std::int32_t kLastParagraph = std::numeric_limits<std::int32_t>::max();

PowerPoint::TextRange PlaceholderText(const PowerPoint::Slide& slide, const char* name)
{
    return slide.GetShapes().Item(CVariant(name)).GetTextFrame().GetTextRange();
}

} // namespace

CPresentationBuilder::CPresentationBuilder(IUserMessages& messages, const IFileSystem& fileSystem)
    : m_messages(messages), m_fileSystem(fileSystem)
{}

CPresentationBuilder::~CPresentationBuilder() = default;

PowerPoint::Application CPresentationBuilder::StartPowerPoint()
{
    PowerPoint::Application application;
    if (!application.CreateDispatch("Powerpoint.Application")) {
        m_messages.ShowMessage("Could not start PowerPoint", MB_OK | MB_SETFOREGROUND);
        return {};
    }
    if (m_options.m_leave != 0)
        application.Activate();
    return application;
}

void CPresentationBuilder::BuildPresentation(std::string noteText)
{
    m_savedPath.clear();
    m_outputFileName.clear();
    m_application = StartPowerPoint();
    PowerPoint::Presentation presentation;
    if (m_application.IsEmpty())
        return;

    BuildSlides(presentation, noteText);
    // The note is not needed to save: a large one is let go before the save
    // makes the file, where memory peaks.
    std::string().swap(noteText);
    FinishBuild(presentation, m_outputFileName);
}

void CPresentationBuilder::BuildSlides(PowerPoint::Presentation& presentation,
                                       const std::string& noteText)
{
    PowerPoint::Slide currentSlide;
    bool firstBullet = true;
    bool slideOpen = false;
    int lineIndex = 0;
    CNoteLineReader reader(noteText);
    while (const auto line = reader.Next()) {
        if (lineIndex == 0) {
            m_outputFileName = MakeOutputFileName(*line, m_options.m_format);
        } else if (lineIndex == 1) {
            presentation = m_application.GetPresentations().Add(msoCTrue);
            AddTitleSlide(presentation, std::string(*line));
        } else if (line->front() == '-') {
            const SlideLine slideLine = ParseSlideLine(*line);
            // The count looks ahead from here rather than rescanning the
            // whole note, so a note with many two-column slides stays linear.
            m_columnTotal = slideLine.twoColumns ? CountBulletsOfSlide(reader) : -1;
            currentSlide = AddSlide(presentation, std::string(slideLine.afterDash),
                                    slideLine.twoColumns ? ppLayoutTwoColumnText : ppLayoutText);
            firstBullet = true;
            slideOpen = true;
            m_bulletCount = 0;
        } else if (line->front() == '.' && slideOpen) {
            AddBullet(currentSlide, *line, firstBullet);
            firstBullet = false;
        }
        ++lineIndex;
    }
}

void CPresentationBuilder::AddTitleSlide(PowerPoint::Presentation presentation,
                                         const std::string& title)
{
    const PowerPoint::Slide slide = presentation.GetSlides().Add(1, ppLayoutTitle);
    PlaceholderText(slide, kTitlePlaceholder).SetText(title);
}

PowerPoint::Slide CPresentationBuilder::AddSlide(PowerPoint::Presentation presentation,
                                                 std::string title, std::int32_t layout)
{
    const PowerPoint::Slides slides = presentation.GetSlides();
    PowerPoint::Slide slide = slides.Add(slides.GetCount() + 1, layout);
    if (layout == ppLayoutTwoColumnText)
        title.erase(0, 1);
    PlaceholderText(slide, kTitlePlaceholder).SetText(std::move(title));
    return slide;
}

void CPresentationBuilder::AddBullet(PowerPoint::Slide slide, std::string_view line, bool first)
{
    const BulletLine bullet = ParseBulletLine(line);
    const PowerPoint::Shapes shapes = slide.GetShapes();
    const BulletPlacement placement = PlaceBullet(m_columnTotal, m_bulletCount, first);
    const PowerPoint::TextFrame frame =
        shapes.Item(CVariant(placement.placeholderName)).GetTextFrame();
    // Made in one piece and handed over whole: the text is not copied again
    // on its way to the server.
    constexpr std::string_view kBreak = "\r\n";
    std::string text;
    text.reserve(kBreak.size() + bullet.text.size());
    if (!placement.first)
        text = kBreak;
    text += bullet.text;
    frame.GetTextRange().InsertAfter(std::move(text));
    // The paragraph just written is the placeholder's last one. It is asked
    // for by a start beyond any paragraph, which the application resolves to
    // the last: a count of our own would go wrong as soon as a bullet's text
    // held a paragraph break, and a smaller fixed start once the placeholder
    // held more paragraphs than it.
    frame.GetTextRange().Paragraphs(kLastParagraph, 1).SetIndentLevel(bullet.level);
    ++m_bulletCount;
}

int CPresentationBuilder::CountColumnBullets(std::string noteText, int startIndex) const
{
    return ::CountColumnBullets(std::move(noteText), startIndex);
}
