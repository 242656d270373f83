// Drives the builder over generated notes of growing size and checks that the
// cost per line stays flat: ten times the lines may cost at most twelve times
// the time, and the markup, builder and bindings together must keep up with
// half a million note lines a second.
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

// Keeps the time per line of each size, for the check after the run.
class CLinearityReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto lines = run.counters.find("items_per_second");
            if (lines != run.counters.end())
                m_linesPerSecond[run.run_name.args] = lines->second.value;
        }
    }

    bool Check() const
    {
        bool ok = true;
        double previous = 0.0;
        for (const auto& [size, rate] : m_linesPerSecond) {
            std::printf("%s lines: %.0f lines/s\n", size.c_str(), rate);
            if (rate < 500'000.0) {
                std::printf("  too slow: at least 500000 lines/s are expected\n");
                ok = false;
            }
            // Time grows by size/rate; ten times the lines may take at most
            // twelve times as long, so the rate may drop by at most 10/12.
            if (previous > 0.0 && rate < previous * 10.0 / 12.0) {
                std::printf("  not linear: the rate fell from %.0f\n", previous);
                ok = false;
            }
            previous = rate;
        }
        return ok;
    }

private:
    std::map<std::string, double> m_linesPerSecond; // "10000" < "100000" < "1000000"
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CLinearityReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool ok = reporter.Check();
    std::printf("%s\n",
                ok ? "Builder throughput: linear and fast enough." : "Builder throughput: FAILED.");
    return ok ? 0 : 1;
}
