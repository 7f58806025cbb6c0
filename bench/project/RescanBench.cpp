// Rescanning one Java file of the project, as happens before every save: each iteration is a
// full scan of the same text into the project's class information. The time per method should
// stay flat as the class grows. The same scan without a project shows what the project adds.
#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"
#include "project/JavaScanner.h"

#include "support/BenchProjectHost.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {


// One public class with the given number of distinct methods, each with a small body, lines
// ended by CR LF as the editor holds them.
std::string ClassOfMethods(int methods)
{
    std::string out = "package org.example.generated;\r\n\r\npublic class Big extends Object {\r\n";
    out += "    private int count = 0;\r\n\r\n";
    for (int i = 0; i < methods; ++i) {
        const std::string n = std::to_string(i);
        out += "    // Adds " + n + " to what it is given\r\n";
        out += "    public int add" + n + "(int value, String label) {\r\n";
        out += "        if (value > " + n + ") {\r\n";
        out += "            count++;\r\n";
        out += "        }\r\n";
        out += "        return value + " + n + ";\r\n";
        out += "    }\r\n\r\n";
    }
    out += "}\r\n";
    return out;
}

void BM_RescanClass(benchmark::State& state)
{
    const int methods = static_cast<int>(state.range(0));
    const std::string text = ClassOfMethods(methods);
    const std::string path = "/src/Big.java";
    CBenchProjectHost host;
    CJavaProjectDoc project(host);
    project.AddJavaFile(path);
    CJavaScanner scanner;
    for (auto _ : state) {
        scanner.ScanSource(text, &project, path);
        benchmark::DoNotOptimize(project.GetJavaFiles().GetAt(0));
    }
    const CJavaClass* big = project.GetJavaFiles().GetAt(0)->GetClasses().FindClass("Big");
    if (big == nullptr || big->GetMethods().size() != static_cast<std::size_t>(methods) || host.m_ui.m_nMessages != 0) {
        state.SkipWithError("the scan did not put every method into the project");
        return;
    }
    state.SetComplexityN(methods);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * methods);
}
BENCHMARK(BM_RescanClass)->Arg(2000)->Arg(6000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ScanClassWithoutProject(benchmark::State& state)
{
    const std::string text = ClassOfMethods(static_cast<int>(state.range(0)));
    CJavaScanner scanner;
    for (auto _ : state) {
        scanner.ScanSource(text, nullptr, "/src/Big.java");
        benchmark::DoNotOptimize(scanner.GetEntries().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ScanClassWithoutProject)->Arg(2000)->Arg(6000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
