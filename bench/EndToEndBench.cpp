// SPDX-License-Identifier: MIT
// A note all the way to a .ppt on disk: markup, builder, bindings, the real
// object model and the real writer, as quillon-cli runs them. The cost per
// line must stay flat: ten times the lines may cost at most twelve times the
// time. bench/ppt_vs_pandoc.sh sets the same path against pandoc.
#include "AutomationException.h"
#include "EmbeddedServers.h"
#include "FileSystem.h"
#include "LinearityReporter.h"
#include "PresentationBuilder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Any message means the presentation was not saved as asked, which would make
// the timing meaningless; the run stops with the message.
class CMessagesStopTheRun final : public IUserMessages
{
public:
    explicit CMessagesStopTheRun(benchmark::State& state) : m_state(state) {}
    void ShowMessage(const std::string& text, unsigned) override
    {
        m_state.SkipWithError(("the builder said: " + text).c_str());
    }

private:
    benchmark::State& m_state;
};

// The outline of a long talk: three slide openers in a hundred lines (3,000
// slides in 100,000 lines, below the 4,000 a presentation may hold), one in
// three of them with two columns, the rest bullets whose level rises by at
// most one.
std::string MakeNote(std::int64_t lines)
{
    std::mt19937 random(11);
    std::string note = "Generated talk\nA long presentation\n";
    int level = 0;
    for (std::int64_t i = 2; i < lines; ++i) {
        const auto pick = random() % 100;
        if (i == 2 || pick < 2) {
            note += "-Slide about topic " + std::to_string(i) + "\n";
            level = 0;
        } else if (pick == 2) {
            note += "--Two sides of topic " + std::to_string(i) + "\n";
            level = 0;
        } else {
            level = 1 + static_cast<int>(random() % static_cast<unsigned>(std::min(level + 1, 4)));
            note += std::string(static_cast<std::size_t>(level), '.') + "Point number " +
                    std::to_string(i) + "\n";
        }
    }
    return note;
}

void NoteToPptOnDisk(benchmark::State& state)
{
    const std::int64_t lines = state.range(0);
    const std::string note = MakeNote(lines);
    const fs::path folder =
        fs::temp_directory_path() / ("quillon-e2e-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const CEmbeddedServers servers;
    const CLocalFileSystem files;
    CMessagesStopTheRun messages(state);
    CPresentationBuilder builder(messages, files);
    PresentationOptions& options = builder.Options();
    options.m_template = 0;
    options.m_save = 1;
    options.m_saveFolder = folder.string();
    options.m_overwrite = 1;
    options.m_leave = 0;
    options.m_close = 1;
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        try {
            builder.BuildPresentation(note);
        } catch (const CAutomationException& error) {
            state.SkipWithError(error.ErrorText().c_str());
            break;
        }
        if (builder.SavedPath().empty()) {
            state.SkipWithError("no presentation was saved");
            break;
        }
    }
    if (!builder.SavedPath().empty())
        bytes = fs::file_size(builder.SavedPath());
    fs::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(NoteToPptOnDisk)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CLinearityReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool ok = reporter.Check();
    std::printf("%s\n", ok ? "Note to .ppt on disk: linear." : "Note to .ppt on disk: FAILED.");
    return ok ? 0 : 1;
}
