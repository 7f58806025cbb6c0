// The whole-text editing commands of a source window: Increase Indent over every line of a
// text, and the line-break and tab conversions of a whole text, at two sizes ten times apart;
// each should take about ten times as long at the larger size.
#include "editor/SourceEditing.h"
#include "platform/MemoryPolicy.h"

#include "support/StringTextModel.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

// Lines of source indented with TABs, ended in LF as most files here are.
std::string SourceLines(std::size_t nLines)
{
    const std::string lines[] = {"class Shape {\n", "\tint nWidth = 3;\n", "\tvoid draw(Graphics g) {\n",
                                 "\t\tg.drawRect(0, 0, nWidth, nWidth); // edge\n", "\t}\n", "}\n"};
    std::string text;
    for (std::size_t i = 0; i < nLines; ++i)
        text += lines[i % std::size(lines)];
    return text;
}

std::string SourceBytes(std::size_t nBytes)
{
    std::string text = SourceLines(nBytes / 20 + 1);
    text.resize(nBytes);
    return text;
}

void BM_IncreaseIndentOverAllLines(benchmark::State& state)
{
    const std::string source = SourceLines(static_cast<std::size_t>(state.range(0)));
    // The models are made and thrown away outside the timing.
    std::optional<CStringTextModel> text;
    for (auto _ : state) {
        state.PauseTiming();
        text.emplace(source);
        text->SetSelection(0, text->GetLength());
        state.ResumeTiming();
        SourceEditing::IncreaseIndent(*text, "\t");
        benchmark::DoNotOptimize(text->GetLength());
    }
}
BENCHMARK(BM_IncreaseIndentOverAllLines)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

template <void (*Convert)(CTextModel&)>
void BM_Convert(benchmark::State& state)
{
    const std::string source = SourceBytes(static_cast<std::size_t>(state.range(0)));
    std::optional<CStringTextModel> text;
    for (auto _ : state) {
        state.PauseTiming();
        text.emplace(source);
        state.ResumeTiming();
        Convert(*text);
        benchmark::DoNotOptimize(text->GetLength());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void ConvertLinebreaks(CTextModel& text)
{
    SourceEditing::ConvertLinebreaks(text);
}

void ConvertTabs(CTextModel& text)
{
    SourceEditing::ConvertTabsToSpaces(text, 3);
}

BENCHMARK(BM_Convert<ConvertLinebreaks>)->Name("BM_ConvertLinebreaks")->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<ConvertTabs>)->Name("BM_ConvertTabsToSpaces")->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // As the program itself starts.
    MemoryPolicy::KeepLargeBlocksForReuse();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
