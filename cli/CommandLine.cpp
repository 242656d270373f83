#include "CommandLine.h"

#include "AutomationException.h"
#include "CommandLineOptions.h"
#include "PresentationBuilder.h"
#include "StreamMessages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

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
        m_environment.err << "quillon-cli: " << parsed.error << "\n"
                          << "Try 'quillon-cli --help' for more information.\n";
        return 2;
    }
    const CommandLineOptions& options = *parsed.options;
    if (options.help) {
        m_environment.out << kCommandLineUsage;
        return 0;
    }
    if (options.version) {
        m_environment.out << "quillon-cli " << QUILLON_VERSION << '\n';
        return 0;
    }
    const Clock::time_point start = m_environment.now();
    bool allSaved = true;
    for (std::size_t i = 0; i < options.notes.size(); ++i) {
        allSaved = BuildNote(options, options.notes[i]) && allSaved;
        ReportProgress(i + 1, options.notes.size(), start, options.quiet);
    }
    return allSaved ? 0 : 1;
}

bool CCommandLine::ReadNote(const std::string& note, std::string& text)
{
    if (note == "-") {
        text.assign(std::istreambuf_iterator<char>(m_environment.in), {});
        return true;
    }
    std::ifstream file(note, std::ios::binary);
    if (file) {
        std::ostringstream contents;
        contents << file.rdbuf();
        if (file.good() || file.eof()) {
            text = std::move(contents).str();
            return true;
        }
    }
    m_environment.err << NoteLabel(note) << ": cannot read the note: " << std::strerror(errno)
                      << '\n';
    return false;
}

bool CCommandLine::BuildNote(const CommandLineOptions& options, const std::string& note)
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
    // The shipped design is a .pot, which a .pptx cannot hold yet: a .pptx
    // has the writer's own design.
    settings.m_template = options.applyTemplate && !options.openXml ? 1 : 0;
    settings.m_format = options.openXml ? PresentationFormat::Pptx : PresentationFormat::Ppt;
    settings.m_templateFile = options.templateFile.value_or(m_environment.defaultTemplate);
    settings.m_leave = options.open ? 1 : 0;
    try {
        builder.BuildPresentation(std::move(text));
    } catch (const CAutomationException& error) {
        m_environment.err << NoteLabel(note) << ": " << SingleLine(error.ErrorText()) << '\n';
        return false;
    }
    if (builder.SavedPath().empty()) {
        if (!builder.CurrentApplication().IsEmpty())
            m_environment.err << NoteLabel(note)
                              << ": nothing to save: a note needs a file name line and a title "
                                 "line\n";
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
