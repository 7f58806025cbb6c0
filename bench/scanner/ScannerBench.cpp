// Scans of generated Java sources of growing size; the time per byte should stay flat.
//
//   ondrik_scanner_bench --write-source=BYTES:PATH   writes the source a size measures, for
//                                                    comparing with other tools on the same text
#include "JavaSourceGenerator.h"

#include "project/JavaScanner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// Classic sources, and sources as written today, whose literals hold braces the scan must read past.
template <EJavaSource kind>
void BM_ScanSource(benchmark::State& state)
{
    const std::string text = GenerateJavaSource(static_cast<std::size_t>(state.range(0)), kind);
    CJavaScanner scanner;
    for (auto _ : state) {
        scanner.ScanSource(text, nullptr, "/src/Generated.java");
        benchmark::DoNotOptimize(scanner.GetEntries().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    state.counters["entries"] = static_cast<double>(scanner.GetEntries().size());
}
BENCHMARK(BM_ScanSource<EJavaSource::Classic>)->Name("BM_ScanSource")->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSource<EJavaSource::Today>)->Name("BM_ScanTodaysSource")->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

int WriteSource(const char* request)
{
    const char* colon = std::strchr(request, ':');
    if (colon == nullptr) {
        std::fprintf(stderr, "usage: --write-source=BYTES:PATH\n");
        return 2;
    }
    const std::string text = GenerateJavaSource(std::stoul(std::string(request, colon)));
    std::ofstream out(colon + 1, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    constexpr const char* kWrite = "--write-source=";
    if (argc == 2 && std::strncmp(argv[1], kWrite, std::strlen(kWrite)) == 0)
        return WriteSource(argv[1] + std::strlen(kWrite));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
