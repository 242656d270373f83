// SPDX-License-Identifier: MIT
#include "CommandLineOptions.h"

const char* const kCommandLineUsage =
    "Usage: quillon-cli [OPTION]... NOTE...\n"
    "Turn outline notes into presentations. NOTE is a text file, or - for standard input.\n"
    "\n"
    "  --save-folder DIR  save into DIR (default: the current folder)\n"
    "  --format FORMAT    save as ppt (PowerPoint 97-2003, the default) or pptx\n"
    "                     (PowerPoint 2007 and later); the extension follows\n"
    "  --overwrite        replace a presentation of the same name instead of choosing\n"
    "                     a free numbered name\n"
    "  --template FILE    apply the design template FILE, a .pot for ppt or a .potx\n"
    "                     for pptx (default: the shipped design in the format saved)\n"
    "  --no-template      apply no design template\n"
    "  --open             open each presentation in the desktop's presentation program\n"
    "  --quiet            print only errors\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "Each saved presentation's path is printed on standard output.\n"
    "Exit status: 0 when every note was saved, 1 when any was not, 2 for a usage error.\n";

namespace {

// Options that take a value accept it as the next argument or after "=".
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::string& value, std::string& error)
{
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = "option " + name + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool IsOption(const std::string& arg, const std::string& name)
{
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLineOptions options;
    std::string error;
    bool onlyNotes = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyNotes || arg == "-" || arg.empty() || arg[0] != '-') {
            options.notes.push_back(arg);
        } else if (arg == "--") {
            onlyNotes = true;
        } else if (IsOption(arg, "--save-folder")) {
            if (!TakeValue(args, i, "--save-folder", options.saveFolder, error))
                return {std::nullopt, error};
        } else if (IsOption(arg, "--template")) {
            std::string file;
            if (!TakeValue(args, i, "--template", file, error))
                return {std::nullopt, error};
            options.templateFile = file;
            options.applyTemplate = true;
        } else if (IsOption(arg, "--format")) {
            std::string format;
            if (!TakeValue(args, i, "--format", format, error))
                return {std::nullopt, error};
            if (format != "ppt" && format != "pptx")
                return {std::nullopt, "unknown format " + format + " (ppt or pptx)"};
            options.openXml = format == "pptx";
        } else if (arg == "--no-template") {
            options.applyTemplate = false;
        } else if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--open") {
            options.open = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            return {std::nullopt, "unknown option " + arg};
        }
    }
    if (options.notes.empty() && !options.help && !options.version)
        return {std::nullopt, "no note given"};
    return {options, {}};
}
