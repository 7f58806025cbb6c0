// A captured run against the least any reader could do with the same child, and the copy the
// Process Window takes of the output text on every tick.
#include "run/CapturedRun.h"
#include "platform/ChildProcess.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::string kWriter = ONDRIK_OUTPUT_WRITER;
constexpr long long kRunBytes = 100'000'000;

// Reads the child's merged output in 2046-byte chunks and appends them to a string.
void BM_BareReadLoop(benchmark::State& state)
{
    for (auto _ : state) {
        CUniqueFd readEnd;
        CUniqueFd writeEnd;
        if (!CChildProcess::MakePipe(readEnd, writeEnd)) {
            state.SkipWithError("no pipe");
            return;
        }
        CSpawnRequest request;
        request.strApplication = kWriter;
        request.argv = {"writer", std::to_string(kRunBytes)};
        request.nOutputFd = writeEnd.Get();
        CChildProcess child;
        if (child.Start(request) != 0) {
            state.SkipWithError("writer did not start");
            return;
        }
        writeEnd.Reset();
        std::string text;
        char buffer[2046];
        ssize_t n = 0;
        while ((n = ::read(readEnd.Get(), buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<size_t>(n));
        benchmark::DoNotOptimize(child.WaitForExit());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * kRunBytes);
}
BENCHMARK(BM_BareReadLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The whole captured run, closing lines included.
void BM_CapturedRun(benchmark::State& state)
{
    CCapturedRun run;
    const std::string line = "writer " + std::to_string(kRunBytes);
    for (auto _ : state) {
        if (!run.StartCaptured(kWriter, line, "") || !run.WaitUntilIdle(600s)) {
            state.SkipWithError("run did not complete");
            return;
        }
    }
    if (run.CopyOutputFrom(run.OutputSize() - 9) != "No Errors")
        state.SkipWithError("run did not succeed");
    state.SetBytesProcessed(state.iterations() * kRunBytes);
}
BENCHMARK(BM_CapturedRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// A finished run of the given size, kept for the copy benchmarks.
CCapturedRun& FinishedRun(long long nBytes)
{
    static std::map<long long, std::unique_ptr<CCapturedRun>> runs;
    auto& run = runs[nBytes];
    if (!run) {
        run = std::make_unique<CCapturedRun>();
        run->StartCaptured(kWriter, "writer " + std::to_string(nBytes), "");
        run->WaitUntilIdle(600s);
    }
    return *run;
}

// The Process Window's copy of the whole text: linear in the text's length.
void BM_CopyWholeOutput(benchmark::State& state)
{
    CCapturedRun& run = FinishedRun(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(run.CopyOutput());
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(run.OutputSize()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CopyWholeOutput)->RangeMultiplier(10)->Range(100'000, 100'000'000)->Complexity(benchmark::oN);

// Only the part a watcher has not shown yet: one tick's worth of new output.
void BM_CopyNewTail(benchmark::State& state)
{
    CCapturedRun& run = FinishedRun(state.range(0));
    const std::size_t nShown = run.OutputSize() - 64 * 1024;
    for (auto _ : state)
        benchmark::DoNotOptimize(run.CopyOutputFrom(nShown));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CopyNewTail)->RangeMultiplier(10)->Range(100'000, 100'000'000)->Complexity(benchmark::o1);

}  // namespace

BENCHMARK_MAIN();
