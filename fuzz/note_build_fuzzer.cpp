// SPDX-License-Identifier: MIT
// The note markup and the whole build behind it: any text a user can paste
// goes through the builder, the real object model and the .ppt packager into
// a file in memory, which must then read back. Only the automation layer's
// own errors may end a build; anything else that escapes is a fault.
#include "AutomationException.h"
#include "CompoundFileReader.h"
#include "NoteMarkup.h"
#include "PptFileWriter.h"
#include "PptFormat.h"
#include "PptReader.h"
#include "PresentationBuilder.h"
#include "PresentationServer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

class CQuietMessages final : public IUserMessages
{
public:
    void ShowMessage(const std::string&, unsigned) override {}
};

class CNothingExists final : public IFileSystem
{
public:
    bool FileExists(const std::string&) const override { return false; }
};

// Builds the file as SaveAs would and checks that it reads back, without
// touching the disk.
class CMemoryFileWriter final : public IPresentationFileWriter
{
public:
    void Write(const PresentationDocument& document, const std::string&, int) override
    {
        const std::vector<std::uint8_t> file = CPptFileWriter::Build(document);
        const CCompoundFileReader reader(file);
        const auto stream = reader.ReadStream(kDocumentStreamName);
        const auto currentUser = reader.ReadStream(kCurrentUserStreamName);
        if (!stream || !currentUser)
            throw std::logic_error("a written file lacks one of its streams");
        const CPptReader pptReader(*stream, *currentUser);
        if (pptReader.Slides().size() != document.slides.size())
            throw std::logic_error("a written file reads back with another slide count");
    }
};

void ExerciseMarkup(std::string_view text)
{
    CNoteLineReader reader(text);
    int index = 0;
    while (const auto line = reader.Next()) {
        if (index++ == 0)
            MakeOutputFileName(*line);
        ParseSlideLine(*line);
        ParseBulletLine(*line);
    }
    CountBulletsOfSlide(CNoteLineReader(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string note(reinterpret_cast<const char*>(data), size);
    ExerciseMarkup(note);

    PresentationServices services;
    services.fileWriter = std::make_shared<CMemoryFileWriter>();
    const CProgIdRegistration registration(std::string(kPresentationServerProgId),
                                           CPresentationServer(services).Factory());
    CQuietMessages messages;
    const CNothingExists files;
    CPresentationBuilder builder(messages, files);
    builder.Options().m_template = 0;
    builder.Options().m_leave = 0;
    builder.Options().m_save = 1;
    builder.Options().m_close = 1;
    builder.Options().m_saveFolder = "notes";
    try {
        builder.BuildPresentation(note);
    } catch (const CAutomationException&) {
        // A refusal the user is told about; the build stops cleanly.
    }
    return 0;
}
