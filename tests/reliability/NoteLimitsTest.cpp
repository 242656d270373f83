// SPDX-License-Identifier: MIT
// Notes far larger than any presentation, through the builder and the real
// presentation server: they end in a message the user can act on, hold no
// reference afterwards (the live-object check of every test) and save
// nothing. Memory and time for 50 MB notes are measured by
// bench/big_note.sh, not here.
#include "FakeFileSystem.h"
#include "PresentationBuilder.h"
#include "PresentationServer.h"
#include "RecordingMessages.h"
#include "ServerException.h"
#include "SlidesObject.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class CCountingWriter final : public IPresentationFileWriter
{
public:
    void Write(const PresentationDocument& document, const std::string&, int) override
    {
        ++saves;
        savedSlides = document.slides.size();
    }

    int saves = 0;
    std::size_t savedSlides = 0;
};

class NoteLimits : public ::testing::Test
{
protected:
    NoteLimits()
    {
        builder.Options().m_template = 0;
        builder.Options().m_leave = 0;
        builder.Options().m_save = 1;
        builder.Options().m_close = 1;
        builder.Options().m_saveFolder = "notes";
    }

    PresentationServices Services() const
    {
        PresentationServices services;
        services.fileWriter = m_writer;
        return services;
    }

    std::shared_ptr<CCountingWriter> m_writer = std::make_shared<CCountingWriter>();
    CProgIdRegistration m_registration{std::string(kPresentationServerProgId),
                                       CPresentationServer(Services()).Factory()};
    CRecordingMessages m_messages;
    CFakeFileSystem m_files;
    CPresentationBuilder builder{m_messages, m_files};
};

std::string Repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

constexpr int kMostSlides = static_cast<int>(CSlidesObject::kMaxSlides);

TEST_F(NoteLimits, ANoteOfMoreSlidesThanMemoryAllowsStopsAtTheFirstOneOver)
{
    const std::string note = "Too many\nTitle\n" + Repeated("-Slide\n.Point\n", kMostSlides + 5);
    try {
        builder.BuildPresentation(note);
        ADD_FAILURE() << "the build did not stop";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(), "Slides.Add: a presentation holds at most " +
                                           std::to_string(kMostSlides) +
                                           " slides; no slide was added.");
    }
    EXPECT_EQ(m_writer->saves, 0);
}

TEST_F(NoteLimits, AsManySlidesAsMemoryAllowsAreSaved)
{
    // The title slide and the rest.
    builder.BuildPresentation("Full\nTitle\n" +
                              Repeated("--Slide\n.Left\n.Right\n", kMostSlides - 1));
    EXPECT_EQ(m_writer->saves, 1);
    EXPECT_EQ(m_writer->savedSlides, CSlidesObject::kMaxSlides);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(NoteLimits, AHugeBulletAndMillionsOfIgnoredLinesBuildWhole)
{
    const std::string bullet(4 << 20, 'x');
    builder.BuildPresentation("Big\nTitle\n-Slide\n." + bullet + "\n" +
                              Repeated("ignored line\n", 300000));
    EXPECT_EQ(m_writer->saves, 1);
    EXPECT_EQ(m_writer->savedSlides, 2u);
}

} // namespace
