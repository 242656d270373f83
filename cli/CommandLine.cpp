// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "AutomationException.h"
#include "CommandLineOptions.h"
#include "MessageText.h"
#include "NoteReader.h"
#include "PresentationBuilder.h"
#include "StreamMessages.h"
#include "TemplateFamily.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>

#ifndef QUILLON_VERSION
#define QUILLON_VERSION "unknown"
#endif

namespace {

std::string NoteLabel(const std::string& note)
{
    return note == "-" ? "standard input" : note;
}

} // namespace

CCommandLine::CCommandLine(Environment environment) : m_environment(std::move(environment)) {}

int CCommandLine::Run(const std::vector<std::string>& args)
{
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.options) {
        Say("quillon-cli", parsed.error);
        m_environment.err << "Try 'quillon-cli --help' for more information.\n";
        return 2;
    }
    const CommandLineOptions& options = *parsed.options;
    if (options.help) {
        m_environment.out << kCommandLineUsage;
        return FinishOutput(0);
    }
    if (options.version) {
        m_environment.out << "quillon-cli " << QUILLON_VERSION << '\n';
        return FinishOutput(0);
    }
    // A design is carried only into a file of its own family; refusing here
    // beats a file saved without the design that was asked for.
    const PresentationFormat format =
        options.openXml ? PresentationFormat::Pptx : PresentationFormat::Ppt;
    if (options.applyTemplate && options.templateFile &&
        TemplateFormatOf(*options.templateFile) != format) {
        Say("quillon-cli", options.openXml
                               ? "--template " + *options.templateFile +
                                     ": a PowerPoint 97-2003 template (.pot) cannot be applied "
                                     "to --format pptx; give a .potx template"
                               : "--template " + *options.templateFile +
                                     ": a .potx template cannot be applied to --format ppt; "
                                     "give a .pot template or --format pptx");
        return 2;
    }
    const Clock::time_point start = m_environment.now();
    bool allSaved = true;
    for (std::size_t i = 0; i < options.notes.size(); ++i) {
        allSaved = BuildNote(options, options.notes[i]) && allSaved;
        ReportProgress(i + 1, options.notes.size(), start, options.quiet);
    }
    return FinishOutput(allSaved ? 0 : 1);
}

int CCommandLine::FinishOutput(int status)
{
    // The printed paths are what a script reads: losing them is a failure.
    errno = 0;
    if (m_environment.out.flush())
        return status;
    const int error = errno;
    Say("quillon-cli", std::string("cannot write to standard output: ") +
                           (error != 0 ? std::strerror(error) : "write error"));
    return 1;
}

void CCommandLine::Say(const std::string& label, const std::string& text)
{
    m_environment.err << ReadableMessage(label + ": " + text, MessageLayout::SingleLine) << '\n';
}

bool CCommandLine::ReadNote(const std::string& note, std::string& text)
{
    CNoteReader reader;
    std::string error;
    const bool read = note == "-" ? reader.ReadStream(m_environment.in, text, error)
                                  : reader.ReadFile(note, text, error);
    if (!read)
        Say(NoteLabel(note), error);
    return read;
}

bool CCommandLine::BuildNote(const CommandLineOptions& options, const std::string& note)
{
    try {
        return BuildReadNote(options, note);
    } catch (const std::bad_alloc&) {
        // What was built so far is freed by now, so the message fits.
        Say(NoteLabel(note), "there is not enough memory to build the presentation");
        return false;
    }
}

bool CCommandLine::BuildReadNote(const CommandLineOptions& options, const std::string& note)
{
    std::string text;
    if (!ReadNote(note, text))
        return false;
    CStreamMessages messages(m_environment.err, NoteLabel(note), options.quiet);
    CPresentationBuilder builder(messages, m_environment.fileSystem);
    PresentationOptions& settings = builder.Options();
    settings.m_save = 1;
    settings.m_saveFolder =
        options.saveFolder.empty() ? std::filesystem::current_path().string() : options.saveFolder;
    settings.m_overwrite = options.overwrite ? 1 : 0;
    settings.m_template = options.applyTemplate ? 1 : 0;
    settings.m_format = options.openXml ? PresentationFormat::Pptx : PresentationFormat::Ppt;
    settings.m_templateFile =
        options.templateFile.value_or(m_environment.shippedTemplates.For(settings.m_format));
    settings.m_leave = options.open ? 1 : 0;
    try {
        builder.BuildPresentation(std::move(text));
    } catch (const CAutomationException& error) {
        Say(NoteLabel(note), error.ErrorText());
        return false;
    }
    if (builder.SavedPath().empty()) {
        if (!builder.CurrentApplication().IsEmpty())
            Say(NoteLabel(note), "nothing to save: a note needs a file name line and a title line");
        return false;
    }
    m_environment.out << builder.SavedPath() << '\n';
    return true;
}

void CCommandLine::ReportProgress(std::size_t done, std::size_t total, Clock::time_point start,
                                  bool quiet)
{
    // Only a batch that takes a while says how far it is.
    if (quiet || total < 2 || m_environment.now() - start < std::chrono::seconds(1))
        return;
    m_environment.err << "quillon-cli: " << done << " of " << total << " notes done\n";
}
