// SPDX-License-Identifier: MIT
// Drives the builder over generated notes of growing size and checks that the
// cost per line stays flat: ten times the lines may cost at most twelve times
// the time, and the markup, builder and bindings together must keep up with
// half a million note lines a second.
#include "LinearityReporter.h"
#include "NoOpServer.h"
#include "PresentationBuilder.h"
#include "ProgIdRegistry.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

class CSilentMessages final : public IUserMessages
{
public:
    void ShowMessage(const std::string&, unsigned) override {}
};

class CNoFiles final : public IFileSystem
{
public:
    bool FileExists(const std::string&) const override { return false; }
};

// A note of the given number of lines with the mix a real outline has:
// one- and two-column slides, bullets at several levels, remarks and gaps.
std::string MakeNote(std::int64_t lines)
{
    std::mt19937 random(7);
    std::string note = "Generated talk\nA long presentation\n";
    for (std::int64_t i = 2; i < lines; ++i) {
        const auto pick = random() % 20;
        if (pick == 0)
            note += "-Slide about topic " + std::to_string(i) + "\n";
        else if (pick == 1)
            note += "--Two sides of topic " + std::to_string(i) + "\n";
        else if (pick == 2)
            note += "a remark that the builder ignores\n";
        else if (pick == 3)
            note += "\n";
        else
            note += std::string(1 + random() % 3, '.') + "Point number " + std::to_string(i) + "\n";
    }
    return note;
}

void BuildNote(benchmark::State& state)
{
    const std::int64_t lines = state.range(0);
    const std::string note = MakeNote(lines);
    CProgIdRegistration server("Powerpoint.Application",
                               []() -> IDispatch* { return new CNoOpServer; });
    CSilentMessages messages;
    CNoFiles files;
    CPresentationBuilder builder(messages, files);
    builder.Options().m_template = 0;
    for (auto _ : state)
        builder.BuildPresentation(note);
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["ns_per_line"] = benchmark::Counter(
        static_cast<double>(lines),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BuildNote)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CLinearityReporter reporter(500'000.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool ok = reporter.Check();
    std::printf("%s\n",
                ok ? "Builder throughput: linear and fast enough." : "Builder throughput: FAILED.");
    return ok ? 0 : 1;
}
