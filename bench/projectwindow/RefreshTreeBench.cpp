// Refreshing the project tree after one file of the project was rescanned, as happens after
// every save of a project file. Each file has 50 classes of 40 methods. The refresh should cost
// about the same whether the project has 25 files or 255: only the rescanned file is walked.
// For comparison, the first refresh of the whole project, which makes every item.
#include "projectwindow/ProjectTree.h"

#include "project/JavaProjectDoc.h"

#include "support/BenchProjectHost.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {


constexpr int kClasses = 50;
constexpr int kMethods = 40;

std::string FilePath(int nFile)
{
    return "/work/src/File" + std::to_string(nFile) + ".java";
}

// The file's classes as a scan reports them; variant changes one method's name.
void ScanFile(CJavaProjectDoc& project, int nFile, int variant)
{
    const std::string path = FilePath(nFile);
    project.BeginFileScan(path);
    for (int c = 0; c < kClasses; ++c) {
        const std::string name = "Class" + std::to_string(c);
        project.AddClass(path, name);
        for (int m = 0; m < kMethods; ++m) {
            const bool bChanged = c == kClasses / 2 && m == kMethods / 2;
            project.AddMethod(path, name,
                              "int method" + std::to_string(m) + (bChanged ? "v" + std::to_string(variant) : "") +
                                  "(int a, String b)");
        }
    }
}

std::unique_ptr<CJavaProjectDoc> MakeProject(CBenchProjectHost& host, int nFiles)
{
    auto project = std::make_unique<CJavaProjectDoc>(host);
    for (int f = 0; f < nFiles; ++f) {
        project->AddJavaFile(FilePath(f));
        ScanFile(*project, f, 0);
    }
    project->SetMainJavaFile("File0.java");
    return project;
}

void BM_RefreshAfterOneRescan(benchmark::State& state)
{
    const int nFiles = static_cast<int>(state.range(0));
    CBenchProjectHost host;
    auto project = MakeProject(host, nFiles);
    CProjectTree tree;
    tree.Refresh(*project);
    int variant = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ScanFile(*project, nFiles / 2, ++variant % 2);
        state.ResumeTiming();
        tree.Refresh(*project);
    }
    state.counters["items"] = static_cast<double>(tree.GetRootCount());
}
BENCHMARK(BM_RefreshAfterOneRescan)->Arg(25)->Arg(255)->Unit(benchmark::kMicrosecond);

void BM_FirstRefresh(benchmark::State& state)
{
    const int nFiles = static_cast<int>(state.range(0));
    CBenchProjectHost host;
    auto project = MakeProject(host, nFiles);
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<CProjectTree>();
        state.ResumeTiming();
        tree->Refresh(*project);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRefresh)->Arg(25)->Arg(255)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
