// SPDX-License-Identifier: MIT
#include "ModelTestSupport.h"

void CFakeFileWriter::Write(const PresentationDocument& document, const std::string& path,
                            int fileFormat)
{
    if (failWith)
        throw CSaveError(*failWith);
    calls.push_back(Call{document, path, fileFormat});
}

std::shared_ptr<const DesignTemplate> CFakeTemplateLoader::Load(const std::string& fileName)
{
    if (failWith)
        throw CTemplateError(*failWith);
    loaded.push_back(fileName);
    return std::make_shared<const DesignTemplate>(
        DesignTemplate{fileName, family, nullptr, nullptr});
}

void CModelTest::SetUp()
{
    m_liveAtStart = CDispatchObject::LiveObjects();
    m_services.fileWriter = m_writer;
}

void CModelTest::TearDown()
{
    m_app.ReleaseDispatch();
    m_appObject = nullptr;
    EXPECT_EQ(CDispatchObject::LiveObjects(), m_liveAtStart) << "an object was not released";
}

const PowerPoint::Application& CModelTest::App()
{
    if (m_app.IsEmpty()) {
        m_appObject = new CApplicationObject(m_services);
        m_app.AttachDispatch(m_appObject);
    }
    return m_app;
}

const CApplicationObject& CModelTest::AppObject()
{
    App();
    return *m_appObject;
}

PowerPoint::Presentation CModelTest::NewPresentation()
{
    return App().GetPresentations().Add(1);
}

PowerPoint::TextRange CModelTest::Range(const PowerPoint::Slide& slide, const std::string& shape)
{
    return slide.GetShapes().Item(shape).GetTextFrame().GetTextRange();
}

PresentationDocument CModelTest::Document(std::size_t index)
{
    return AppObject().Presentations().Presentation(index).ToDocument();
}

std::vector<std::string> Texts(const Placeholder& placeholder)
{
    std::vector<std::string> texts;
    for (const TextParagraph& paragraph : placeholder.paragraphs)
        texts.push_back(paragraph.text);
    return texts;
}

std::vector<int> Levels(const Placeholder& placeholder)
{
    std::vector<int> levels;
    for (const TextParagraph& paragraph : placeholder.paragraphs)
        levels.push_back(paragraph.indentLevel);
    return levels;
}
