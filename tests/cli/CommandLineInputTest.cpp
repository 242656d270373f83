// SPDX-License-Identifier: MIT
// What the command line reads and writes besides the presentations: notes
// of any kind and size, messages a terminal shows safely, and a standard
// output that can fail.
#include "CommandLine.h"
#include "EmbeddedServers.h"
#include "NoteSize.h"
#include "PresentationViewer.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

class CSilentViewer final : public IPresentationViewer
{
public:
    void Show(const std::string&) noexcept override {}
    void ReportFailure(const std::string&) noexcept override {}
};

// Endless text, as a device or a runaway pipe gives, counting what was taken.
// It does end, far past any limit, so that a reader without one fails the
// test instead of filling the memory.
class CEndlessInput final : public std::streambuf
{
public:
    std::size_t Taken() const { return m_served - static_cast<std::size_t>(egptr() - gptr()); }

protected:
    int_type underflow() override
    {
        if (m_served > 3 * kMaxNoteBytes)
            return traits_type::eof();
        std::fill(std::begin(m_buffer), std::end(m_buffer), 'x');
        setg(m_buffer, m_buffer, m_buffer + sizeof m_buffer);
        m_served += sizeof m_buffer;
        return 'x';
    }

private:
    char m_buffer[65536] = {};
    std::size_t m_served = 0;
};

class CommandLineInput : public ::testing::Test
{
protected:
    int Run(const std::vector<std::string>& args, std::istream& in)
    {
        err.str({});
        CCommandLine commandLine({in, out, err, fileSystem, ShippedTemplates{}});
        return commandLine.Run(args);
    }
    int Run(const std::vector<std::string>& args) { return Run(args, noInput); }

    std::vector<std::string> Saving(const std::string& note) const
    {
        return {"--no-template", "--quiet", "--save-folder", folder.Path().string(), note};
    }

    CEmbeddedServers servers{std::filesystem::path(), std::make_shared<CSilentViewer>()};
    CTempFolder folder;
    CLocalFileSystem fileSystem;
    std::istringstream noInput;
    std::ostringstream out;
    std::ostringstream err;
};

const std::string kTooLarge =
    "the note is larger than 64 MiB (67108864 bytes), the most a note may hold\n";

TEST_F(CommandLineInput, ANoteAtTheLimitIsSavedAndOneByteOverIsRefused)
{
    // One long line that the markup ignores fills the note to its size.
    const std::string head = "At the limit\nTitle\n";
    std::string note = head + std::string(kMaxNoteBytes - head.size(), 'w');
    const std::string atLimit = folder.Write("limit.note", note).string();
    EXPECT_EQ(Run(Saving(atLimit)), 0) << err.str();
    EXPECT_TRUE(std::filesystem::exists(folder / "At the limit.ppt"));

    note += 'w';
    const std::string over = folder.Write("over.note", note).string();
    EXPECT_EQ(Run(Saving(over)), 1);
    EXPECT_EQ(err.str(), over + ": " + kTooLarge);
    std::istringstream overOnInput(note);
    EXPECT_EQ(Run(Saving("-"), overOnInput), 1);
    EXPECT_EQ(err.str(), "standard input: " + kTooLarge);
}

TEST_F(CommandLineInput, AnEndlessInputIsReadNoFurtherThanTheLimit)
{
    CEndlessInput endless;
    std::istream in(&endless);
    EXPECT_EQ(Run(Saving("-"), in), 1);
    EXPECT_EQ(err.str(), "standard input: " + kTooLarge);
    EXPECT_EQ(endless.Taken(), kMaxNoteBytes + 1);
}

TEST_F(CommandLineInput, AFolderGivenAsANoteIsSaidToBeOne)
{
    const std::string notes = folder / "notes";
    std::filesystem::create_directory(notes);
    EXPECT_EQ(Run(Saving(notes)), 1);
    EXPECT_EQ(err.str(), notes + ": it is a folder, not a note\n");
}

TEST_F(CommandLineInput, ControlCharactersAndHugeNamesReachNoTerminal)
{
    const std::string escaped = folder / "\x1b]0;owned\x07\x1b[2J\xc2\x9b.note";
    EXPECT_EQ(Run(Saving(escaped)), 1);
    const std::string line = err.str();
    EXPECT_EQ(
        std::count_if(line.begin(), line.end(),
                      [](char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x20; }),
        0)
        << line;
    EXPECT_NE(line.find("\\x1b]0;owned\\x07\\x1b[2J\\u009b.note: cannot read the note"),
              std::string::npos)
        << line;
    EXPECT_EQ(line.find("\xc2\x9b"), std::string::npos);

    const std::string huge = folder / (std::string(1 << 20, 'n') + ".note");
    EXPECT_EQ(Run(Saving(huge)), 1);
    EXPECT_LT(err.str().size(), 1000u);
    EXPECT_NE(err.str().find("bytes left out"), std::string::npos);
    EXPECT_NE(err.str().find("nnn.note: cannot read the note: File name too long\n"),
              std::string::npos)
        << err.str();
}

// The program as a shell runs it, for what only a real process shows: the
// standard streams of the system and the limits of the whole process.
class CommandLineRun : public ::testing::Test
{
protected:
    int RunShell(const std::string& command)
    {
        const std::string line =
            "cd '" + folder.Path().string() + "' && " + command + " 2> errors.txt";
        const int status = std::system(("bash -c \"" + line + "\"").c_str());
        std::ifstream written(folder / "errors.txt");
        errors.assign(std::istreambuf_iterator<char>(written), {});
        if (WIFSIGNALED(status))
            return 128 + WTERMSIG(status);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    CTempFolder folder;
    const std::string program = "'" + std::string(QUILLON_CLI_PATH) + "' --no-template ";
    std::string errors;
};

TEST_F(CommandLineRun, AFailingStandardOutputFailsTheRun)
{
    folder.Write("talk.note", "Talk\nTitle\n");
    EXPECT_EQ(RunShell(program + "talk.note > /dev/full"), 1);
    EXPECT_EQ(errors, "quillon-cli: cannot write to standard output: No space left on device\n");
    // The presentation itself was saved.
    EXPECT_TRUE(std::filesystem::exists(folder / "Talk.ppt"));
}

TEST_F(CommandLineRun, PipesAndProcessSubstitutionAreNotes)
{
    EXPECT_EQ(RunShell(program + "<(printf 'Piped\\\\nTitle\\\\n') >/dev/null"), 0) << errors;
    EXPECT_TRUE(std::filesystem::exists(folder / "Piped.ppt"));
}

TEST_F(CommandLineRun, RunningOutOfMemoryIsAMessageAndStatusOne)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a sanitizer's shadow memory does not fit under the lowered limit";
#endif
    // Address space in KiB: enough to start and to read a note up to the
    // limit, then enough to start but not to hold a note of 60 MB.
    const auto limited = [this](int kib, const std::string& arguments) {
        return "(ulimit -v " + std::to_string(kib) + " && " + program + arguments + ")";
    };
    EXPECT_EQ(RunShell(limited(600000, "/dev/zero")), 1);
    EXPECT_EQ(errors, "/dev/zero: " + kTooLarge);
    EXPECT_EQ(RunShell("yes .Point | head -c 60000000 | " + limited(100000, "-")), 1);
    EXPECT_EQ(errors, "standard input: there is not enough memory to read the note\n");
}

} // namespace
