// Reading the output of a run that ended for its messages, as the project does when the Process
// Window has shown the end: every message found, its file looked for, and a compile's marks
// made. The outputs mix javac's messages with what a program prints and its stack traces, up to
// the 32 MB the Process Window keeps; the time per byte should stay flat as the output grows.
#include "project/JavaProjectDoc.h"

#include "support/BenchProjectHost.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The output of a run that writes about nBytes, CR LF line ends as the runner leaves them: now
// and then a javac error with its quoted line, caret and detail, program lines, a stack trace.
std::string MixedOutput(std::size_t nBytes)
{
    std::string out;
    out.reserve(nBytes + 256);
    for (int i = 0; out.size() < nBytes; ++i) {
        const std::string n = std::to_string(i % 5000 + 1);
        if (i % 8 == 0)
            out += "app/Shape.java:" + n + ": error: cannot find symbol\r\n        area(x, y);\r\n        ^\r\n"
                   "  symbol:   method area(int,int)\r\n  location: class Shape\r\n";
        else if (i % 8 == 1)
            out += "\tat app.Shape.draw(Shape.java:" + n + ")\r\n\tat java.base/java.lang.Thread.run(Thread.java:833)\r\n";
        else
            out += "value " + n + ": the shape at 12:30 has an area of " + n + " square units\r\n";
    }
    return out;
}

// A project whose main file is app/Shape.java under a folder of its own.
struct CShapeProject {
    CShapeProject() : folder(std::filesystem::temp_directory_path() / ("ondrik-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder / "app");
        const std::string path = (folder / "app" / "Shape.java").string();
        std::ofstream(path) << "package app;\nclass Shape {}\n";
        project.AddJavaFile(path);
        project.SetMainJavaFile("Shape.java");
        project.OnRunStarted(folder.string(), CJavaProjectDoc::ERunKind::Compile);
    }
    ~CShapeProject() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    CBenchProjectHost host;
    CJavaProjectDoc project {host};
};

void BM_ReadRunOutput(benchmark::State& state)
{
    const std::string output = MixedOutput(static_cast<std::size_t>(state.range(0)) << 20);
    CShapeProject shape;
    for (auto _ : state) {
        shape.project.OnRunStarted(shape.folder.string(), CJavaProjectDoc::ERunKind::Compile);
        shape.project.OnRunEnded(output);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * output.size()));
    state.SetComplexityN(static_cast<std::int64_t>(output.size()));
    state.counters["messages"] = static_cast<double>(shape.project.GetOutputMessages().GetEntries().size());
    state.counters["marks"] = static_cast<double>(shape.project.GetSourceMarks().All().begin()->second.size());
}
BENCHMARK(BM_ReadRunOutput)->Arg(1)->Arg(4)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
