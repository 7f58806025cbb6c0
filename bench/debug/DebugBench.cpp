// How fast the debugger answers: from a step to the stop and the variables of its frame, on a
// frame of 50 locals; and the start of a session to its first breakpoint, against a plain run
// of the same program to the output of the same line.
#include "StepsProgram.h"

#include "debug/DebugTestSupport.h"

#include "platform/ChildProcess.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using namespace DebugTest;
using Clock = std::chrono::steady_clock;

using StepsProgram::kFile;
using StepsProgram::Quantile;

const CJavaProgram& Program()
{
    static const CJavaProgram program(std::map<std::string, std::string> {{kFile, StepsProgram::Source()}});
    return program;
}

CDebugLaunch Launch(std::vector<CDebugBreakpoint> breakpoints)
{
    CDebugLaunch launch;
    launch.strJavaBin = kJdk;
    launch.strDebuggerJar = ONDRIK_DEBUGGER_JAR;
    launch.strSourceRoot = Program().Root();
    launch.strPackage = "bench";
    launch.strMainClass = "Steps";
    launch.breakpoints = std::move(breakpoints);
    return launch;
}

// One step over, until the stop and the variables of the frame it shows have both been
// dispatched, as the Debug bar needs them to draw.
void BM_StepToVariables(benchmark::State& state)
{
    if (!Program().Compiled()) {
        state.SkipWithError("the program did not compile");
        return;
    }
    CRecordingObserver events;
    CDebugSession session(events);
    if (session.Start(Launch({Program().At(kFile, "@loop")})) ||
        !DispatchUntil(session, [&] { return events.variables.size() == 1; })) {
        state.SkipWithError("no first stop");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        const std::size_t nBefore = events.variables.size();
        const auto start = Clock::now();
        session.Step(DebugStepKind::Over);
        if (!DispatchUntil(session, [&] { return events.variables.size() > nBefore; }, 10s)) {
            state.SkipWithError("a step did not stop");
            return;
        }
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        times.push_back(took.count() * 1000);
    }
    if (events.variables.back().variables.size() < 50)
        state.SkipWithError("the frame did not show its locals");
    state.counters["median_ms"] = Quantile(times, 0.5);
    state.counters["p95_ms"] = Quantile(times, 0.95);
}
BENCHMARK(BM_StepToVariables)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// The program run plainly until it writes the line the debug session stops at.
void BM_PlainRunToLine(benchmark::State& state)
{
    if (!Program().Compiled()) {
        state.SkipWithError("the program did not compile");
        return;
    }
    for (auto _ : state) {
        CUniqueFd readEnd;
        CUniqueFd writeEnd;
        CChildProcess::MakePipe(readEnd, writeEnd);
        CSpawnRequest request;
        request.strApplication = kJdk + "/bin/java";
        request.argv = {"java", "bench.Steps"};
        request.strFolder = Program().Root();
        request.nOutputFd = writeEnd.Get();
        CChildProcess java;
        if (java.Start(request) != 0) {
            state.SkipWithError("java did not start");
            return;
        }
        writeEnd.Reset();
        std::string output;
        char buffer[256];
        ssize_t n = 0;
        while (output.find("reached") == std::string::npos && (n = ::read(readEnd.Get(), buffer, sizeof buffer)) > 0)
            output.append(buffer, static_cast<std::size_t>(n));
        state.PauseTiming();
        java.Terminate(11);
        java.WaitForExit();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlainRunToLine)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// A debug session from its start to the stop at the same line.
void BM_DebugStartToBreakpoint(benchmark::State& state)
{
    if (!Program().Compiled()) {
        state.SkipWithError("the program did not compile");
        return;
    }
    for (auto _ : state) {
        CRecordingObserver events;
        auto session = std::make_unique<CDebugSession>(events);
        if (session->Start(Launch({Program().At(kFile, "@reached")})) ||
            !DispatchUntil(*session, [&] { return !events.stops.empty(); })) {
            state.SkipWithError("no stop");
            return;
        }
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DebugStartToBreakpoint)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
