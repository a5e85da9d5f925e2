#include "counting/SaboCounter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// counter_benchmark [--benchmark_... flags] REPORT_FILE
// Measures counting a whole report file: cutting it into lines and feeding them to the counter.

namespace quarl {
namespace {

std::string& Report()
{
    static std::string text;
    return text;
}

bool ReadReport(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    Report().assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.good() || in.eof();
}

// Calls `use` with every line of the text, without its '\n', as a view into the text.
template <typename UseLine>
void ForEachLine(std::string_view text, UseLine&& use)
{
    const char* start = text.data();
    const char* const end = start + text.size();
    while (start < end) {
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
        const char* const stop = newline != nullptr ? newline : end;
        use(std::string_view(start, static_cast<std::size_t>(stop - start)));
        start = stop + 1;
    }
}

void SetThroughput(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Report().size()));
}

void BM_CountReport(benchmark::State& state)
{
    for (auto _ : state) {
        SaboCounter counter;
        ForEachLine(Report(), [&counter](std::string_view line) { counter.AddLine(line); });
        auto result = counter.ResultLines();
        benchmark::DoNotOptimize(result);
    }
    SetThroughput(state);
}
BENCHMARK(BM_CountReport)->Unit(benchmark::kMillisecond);

// Only the line splitting, to see how much of the count it takes.
void BM_SplitLines(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t lines = 0;
        ForEachLine(Report(), [&lines](std::string_view line) { benchmark::DoNotOptimize(lines += !line.empty()); });
    }
    SetThroughput(state);
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quarl

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [--benchmark_... flags] REPORT_FILE\n", argv[0]);
        return 2;
    }
    if (!quarl::ReadReport(argv[1])) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
