// SPDX-License-Identifier: MIT
#include "ModelTestSupport.h"
#include "PowerPointDispids.h"
#include "ServerExceptionAssert.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A writer that fails as no writer is supposed to: with no CSaveError.
class CBrokenWriter : public IPresentationFileWriter
{
public:
    void Write(const PresentationDocument&, const std::string&, int) override
    {
        throw std::runtime_error("disk controller on fire");
    }
};

// Notes where the text of the second slide's body lies, then fails.
class CAddressNotingWriter : public IPresentationFileWriter
{
public:
    void Write(const PresentationDocument& document, const std::string&, int) override
    {
        seen = document.slides.at(1).placeholders.at(1).paragraphs.Text().data();
        throw CSaveError("The disk is full.");
    }

    const char* seen = nullptr;
};

} // namespace

class SaveAsTest : public CModelTest
{
protected:
    // A presentation with a title slide "Talk" and one text slide.
    PowerPoint::Presentation MakeTalk()
    {
        const PowerPoint::Presentation presentation = NewPresentation();
        const PowerPoint::Slides slides = presentation.GetSlides();
        Range(slides.Add(1, 1), "Rectangle 2").SetText("Talk");
        Range(slides.Add(2, 2), "Rectangle 3")
            .InsertAfter("a point longer than a string keeps in place");
        return presentation;
    }
};

TEST_F(SaveAsTest, PresentationTemplateAndOpenXmlFormatsGoToTheWriter)
{
    const PowerPoint::Presentation talk = MakeTalk();
    talk.SaveAs("/talks/Talk.ppt", PowerPointConstant::ppSaveAsPresentation,
                PowerPointConstant::msoFalse);
    talk.SaveAs("/talks/Talk.pot", PowerPointConstant::ppSaveAsTemplate, -1);
    talk.SaveAs("/talks/Talk.pptx", PowerPointConstant::ppSaveAsOpenXMLPresentation, 0);

    ASSERT_EQ(m_writer->calls.size(), 3u);
    EXPECT_EQ(m_writer->calls[0].path, "/talks/Talk.ppt");
    EXPECT_EQ(m_writer->calls[0].fileFormat, 1);
    EXPECT_EQ(m_writer->calls[1].path, "/talks/Talk.pot");
    EXPECT_EQ(m_writer->calls[1].fileFormat, 5);
    EXPECT_EQ(m_writer->calls[2].fileFormat, 24);
    const PresentationDocument& saved = m_writer->calls[0].document;
    ASSERT_EQ(saved.slides.size(), 2u);
    EXPECT_EQ(saved.slides[0].layout, 1);
    EXPECT_EQ(saved.slides[0].placeholders[0].paragraphs[0].text, "Talk");
    EXPECT_EQ(saved.slides[1].placeholders[1].paragraphs[0].text,
              "a point longer than a string keeps in place");
}

TEST_F(SaveAsTest, TheWritersReasonIsTheDescription)
{
    m_writer->failWith = "Cannot save \"/gone/Talk.ppt\": the folder /gone does not exist.";
    EXPECT_SERVER_EXCEPTION(MakeTalk().SaveAs("/gone/Talk.ppt", 1, 0), E_FAIL,
                            "Cannot save \"/gone/Talk.ppt\": the folder /gone does not exist.");
    m_writer->failWith = "";
    EXPECT_SERVER_EXCEPTION(MakeTalk().SaveAs("/gone/Talk.ppt", 1, 0), E_FAIL,
                            "Presentation.SaveAs: \"/gone/Talk.ppt\" could not be saved.");
}

TEST_F(SaveAsTest, OtherFormatsAndEmptyNamesAreRefusedBeforeAnythingIsWritten)
{
    const PowerPoint::Presentation talk = MakeTalk();
    EXPECT_SERVER_EXCEPTION(talk.SaveAs("Talk.pptx", 11, 0), E_INVALIDARG,
                            "Presentation.SaveAs: the file format 11 is not supported; this "
                            "server saves format 1 (presentation), 5 (design template) or 24 "
                            "(Open XML presentation). "
                            "\"Talk.pptx\" was not saved.");
    EXPECT_SERVER_EXCEPTION(
        talk.SaveAs("", 1, 0), E_INVALIDARG,
        "Presentation.SaveAs: the file name is empty, so the presentation was not saved.");
    EXPECT_TRUE(m_writer->calls.empty());
}

TEST_F(SaveAsTest, AServerWithoutWriterSaysSo)
{
    m_services.fileWriter = nullptr;
    EXPECT_SERVER_EXCEPTION(MakeTalk().SaveAs("Talk.ppt", 1, 0), E_FAIL,
                            "Presentation.SaveAs: this server was started without a file "
                            "writer, so \"Talk.ppt\" was not saved.");
}

TEST_F(SaveAsTest, AnUnforeseenWriterFailureStillReachesTheCaller)
{
    m_services.fileWriter = std::make_shared<CBrokenWriter>();
    EXPECT_SERVER_EXCEPTION(MakeTalk().SaveAs("Talk.ppt", 1, 0), E_FAIL,
                            "The presentation server failed unexpectedly: disk controller on fire");
}

// The writer is lent the model's own paragraphs, not a copy, and the model
// has them back even when the save fails.
TEST_F(SaveAsTest, TheWriterReadsTheModelsTextInPlaceAndGivesItBack)
{
    const auto writer = std::make_shared<CAddressNotingWriter>();
    m_services.fileWriter = writer;
    const PowerPoint::Presentation talk = MakeTalk();
    EXPECT_SERVER_EXCEPTION(talk.SaveAs("Talk.ppt", 1, 0), E_FAIL, "The disk is full.");

    const Placeholder& body =
        AppObject().Presentations().Presentation(0).Slides().Slide(1).PlaceholderAt(1);
    EXPECT_EQ(writer->seen, body.paragraphs.Text().data());
    const PresentationDocument kept = Document();
    EXPECT_EQ(Texts(kept.slides[0].placeholders[0]), std::vector<std::string>{"Talk"});
    EXPECT_EQ(Texts(kept.slides[1].placeholders[1]),
              std::vector<std::string>{"a point longer than a string keeps in place"});
}

class ApplyTemplateTest : public CModelTest
{};

TEST_F(ApplyTemplateTest, WithoutATemplateReaderTheServerDeclines)
{
    EXPECT_SERVER_EXCEPTION(NewPresentation().ApplyTemplate("/home/ann/quillon.pot"), E_NOTIMPL,
                            "Presentation.ApplyTemplate: design templates cannot be applied by "
                            "this server, so \"/home/ann/quillon.pot\" was not applied.");
    EXPECT_EQ(AppObject().Presentations().Presentation(0).Design(), nullptr);
}

TEST_F(ApplyTemplateTest, AReaderGivesThePresentationItsDesign)
{
    const auto loader = std::make_shared<CFakeTemplateLoader>();
    m_services.templateLoader = loader;
    NewPresentation().ApplyTemplate("/home/ann/quillon.pot");
    EXPECT_EQ(loader->loaded, std::vector<std::string>{"/home/ann/quillon.pot"});
    const auto& design = AppObject().Presentations().Presentation(0).Design();
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->fileName, "/home/ann/quillon.pot");
}

TEST_F(ApplyTemplateTest, TheReadersReasonIsTheDescription)
{
    const auto loader = std::make_shared<CFakeTemplateLoader>();
    m_services.templateLoader = loader;
    loader->failWith = "\"/home/ann/quillon.pot\" is not a design template.";
    EXPECT_SERVER_EXCEPTION(NewPresentation().ApplyTemplate("/home/ann/quillon.pot"), E_FAIL,
                            "\"/home/ann/quillon.pot\" is not a design template.");
    loader->failWith = "";
    EXPECT_SERVER_EXCEPTION(NewPresentation().ApplyTemplate("x.pot"), E_FAIL,
                            "Presentation.ApplyTemplate: the design template \"x.pot\" could "
                            "not be applied.");
}
