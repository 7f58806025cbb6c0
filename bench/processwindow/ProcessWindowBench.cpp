// The Process Window on the offscreen platform: what one tick costs as the box fills up and once
// it is at its bound, a long run shown from its start to "External process complete" against
// the same run alone, with the longest time the window kept the event loop from answering, the
// memory a program that prints without end takes, and how soon a line typed for a program
// comes back in the box.
#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/ProcessWindowDlg.h"
#include "run/ProcessWindowHost.h"
#include "run/qt/ProcessOutputBox.h"
#include "run/qt/ProcessWindowDlgQt.h"
#include "framework/ConsoleUi.h"
#include "platform/MemoryPolicy.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::string kWriter = ONDRIK_OUTPUT_WRITER;
constexpr long long kRunBytes = 100'000'000;
constexpr long long kTickBytes = 64 * 1024;

class CBenchHost : public CProcessWindowHost {
public:
    CUi& GetUi() override { return m_ui; }
    std::string GetProcessCaption() const override { return "writer"; }
    std::string GetProcessFontName() const override { return "Courier New"; }
    int GetProcessFontSize() const override { return 90; }
    void SaveWindowBox(const CWindowBox&) override {}
    void SetMessagePaneText(const std::string& text) override { m_strPane = text; }

    // Nothing in these runs asks a question.
    CConsoleUi m_ui {std::cerr};
    std::string m_strPane;
};

long long ResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long long nKb = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> nKb;
            return nKb * 1024;
        }
    }
    return 0;
}

// Runs the event loop, asking done() every millisecond, until it says so; gives the longest time
// the loop could not answer, in milliseconds.
double RunEventLoopUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QElapsedTimer sinceProbe;
    sinceProbe.start();
    double nLongestMs = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        nLongestMs = std::max(nLongestMs, sinceProbe.nsecsElapsed() / 1e6);
        sinceProbe.restart();
        if (done())
            loop.quit();
    });
    probe.start();
    loop.exec();
    return nLongestMs;
}

// Waits until the run's output has reached nAtLeast bytes and stopped growing.
void WaitForOutput(const CCapturedRun& run, std::size_t nAtLeast)
{
    std::size_t nLast = 0;
    for (;;) {
        const std::size_t nNow = run.OutputSize();
        if (nNow >= nAtLeast && nNow == nLast)
            return;
        nLast = nNow;
        std::this_thread::sleep_for(2ms);
    }
}

// One tick that adds 64 KiB of new output to a box already showing range(0) bytes, with the
// painting it causes. The run writes each 64 KiB when the benchmark asks, through a named pipe.
// Past 32 MB the box is at its bound: each tick then also lets old lines go.
void BM_TickAdding64KiB(benchmark::State& state)
{
    const long long nShown = state.range(0);
    char folder[] = "/tmp/ondrik-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        state.SkipWithError("no folder");
        return;
    }
    const std::string gate = std::string(folder) + "/gate";
    ::mkfifo(gate.c_str(), 0600);
    // Opened for reading too, so that neither side waits for the other to open it.
    const int gateFd = ::open(gate.c_str(), O_RDWR | O_CLOEXEC);

    CCapturedRun run;
    CBenchHost host;
    std::unique_ptr<ProcessRunner> runner =
        run.StartRun(kWriter, "writer " + std::to_string(nShown) + " " + gate + " " + std::to_string(kTickBytes), "");
    WaitForOutput(run, static_cast<std::size_t>(nShown));
    {
        CProcessWindowDlgQt window(host, nullptr, std::move(runner));
        window.resize(800, 300);
        window.show();
        while (window.Model().HasMoreToShow() || window.Model().GetShownLength() < run.OutputSize())
            window.OnTimer();
        QApplication::processEvents();

        for (auto _ : state) {
            state.PauseTiming();
            const std::size_t nBefore = run.OutputSize();
            [[maybe_unused]] const ssize_t n = ::write(gateFd, "+", 1);
            WaitForOutput(run, nBefore + kTickBytes);
            state.ResumeTiming();
            window.OnTimer();
            window.OutputBox()->viewport()->repaint();
        }
        state.counters["shown_MB"] = double(window.Model().GetShownLength()) / 1e6;
    }
    ::close(gateFd);
    run.WaitUntilIdle(600s);
    ::unlink(gate.c_str());
    ::rmdir(folder);
}
// Few ticks, so that the box still shows about what it showed at the start; a fresh run for each
// repetition.
BENCHMARK(BM_TickAdding64KiB)
    ->Arg(100'000)
    ->Arg(100'000'000)
    ->Iterations(40)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The same run alone: nobody watches it.
void BM_CapturedRunAlone(benchmark::State& state)
{
    CCapturedRun run;
    const std::string line = "writer " + std::to_string(kRunBytes);
    for (auto _ : state) {
        if (!run.StartCaptured(kWriter, line, "") || !run.WaitUntilIdle(600s)) {
            state.SkipWithError("run did not complete");
            return;
        }
    }
}
BENCHMARK(BM_CapturedRunAlone)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The run shown in the Process Window from its start until the window shows "External process
// complete". A timer that asks to run every millisecond measures how long the event loop was
// kept from answering: the longest tick, or piece of one, with its painting.
void BM_RunShownInProcessWindow(benchmark::State& state)
{
    CCapturedRun run;
    double nLongestBlockMs = 0;
    long long nResident = 0;
    for (auto _ : state) {
        CBenchHost host;
        std::unique_ptr<ProcessRunner> runner = run.StartRun(kWriter, "writer " + std::to_string(kRunBytes), "");
        CProcessWindowDlgQt window(host, nullptr, std::move(runner));
        window.resize(800, 300);
        window.show();

        nLongestBlockMs = std::max(nLongestBlockMs,
                                   RunEventLoopUntil([&] { return host.m_strPane == CProcessWindowDlg::kComplete; }));
        nResident = ResidentBytes();
        if (window.Model().GetShownLength() != run.OutputSize())
            state.SkipWithError("the window does not show the whole run");
    }
    state.counters["longest_block_ms"] = nLongestBlockMs;
    state.counters["resident_MB_after"] = double(nResident) / 1e6;
}
BENCHMARK(BM_RunShownInProcessWindow)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A program that prints without end, shown in the window with its real timers for
// ONDRIK_FLOOD_SECONDS (30 unless set; 600 for the ten minutes of the target): the resident
// memory after the first 10 seconds and at the end, and the longest time the event loop could
// not answer.
void BM_FloodKeepsMemoryBounded(benchmark::State& state)
{
    const char* seconds = std::getenv("ONDRIK_FLOOD_SECONDS");
    const int nSeconds = std::max(11, seconds != nullptr ? std::atoi(seconds) : 30);
    for (auto _ : state) {
        CCapturedRun run;
        CBenchHost host;
        CProcessWindowDlgQt window(host, nullptr, run.StartRun(kWriter, "writer 1000000000000000000", ""));
        window.resize(800, 300);
        window.show();

        QElapsedTimer sinceStart;
        sinceStart.start();
        long long nAt10s = 0;
        long long nHighest = 0;
        qint64 nLastSample = 0;
        const double nLongestBlockMs = RunEventLoopUntil([&] {
            const qint64 nNow = sinceStart.elapsed();
            if (nNow - nLastSample >= 1000) {
                nLastSample = nNow;
                const long long nResident = ResidentBytes();
                if (nAt10s == 0 && nNow >= 10'000)
                    nAt10s = nResident;
                if (nAt10s != 0)
                    nHighest = std::max(nHighest, nResident);
            }
            return nNow >= nSeconds * 1000LL;
        });
        const long long nEnd = ResidentBytes();
        state.counters["flood_s"] = nSeconds;
        state.counters["output_MB"] = double(run.OutputSize()) / 1e6;
        state.counters["box_kept_MB"] =
            double(window.Model().GetOutput().Size() - window.Model().GetOutput().DroppedBytes()) / 1e6;
        state.counters["resident_MB_at_10s"] = double(nAt10s) / 1e6;
        state.counters["resident_MB_end"] = double(nEnd) / 1e6;
        state.counters["growth_after_10s_MB"] = double(std::max(nHighest, nEnd) - nAt10s) / 1e6;
        state.counters["longest_block_ms"] = nLongestBlockMs;
        run.TerminateCaptured(11);
        run.WaitUntilIdle(600s);
    }
}
BENCHMARK(BM_FloodKeepsMemoryBounded)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A program that echoes each line it reads (cat), fed 1,000 lines one at a time through the
// input line: the time from Enter to the echo of that line shown in the box.
void BM_EchoLatency(benchmark::State& state)
{
    constexpr int kLines = 1000;
    for (auto _ : state) {
        CCapturedRun run;
        CBenchHost host;
        CProcessWindowDlgQt window(host, nullptr, run.StartRun("/bin/cat", "cat", "", RunInput::Pipe));
        window.resize(800, 300);
        window.show();
        QLineEdit* input = window.InputLine();
        std::vector<double> latencies;
        for (int i = 0; i < kLines; ++i) {
            char line[16];
            std::snprintf(line, sizeof line, "line %04d", i);
            input->setText(QString::fromLatin1(line));
            // The typed line shows at once; the program's echo of it follows.
            const std::size_t nExpected = window.Model().GetShownLength() + 2 * (std::strlen(line) + 2);
            QElapsedTimer sinceEnter;
            sinceEnter.start();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(input, &enter);
            while (window.Model().GetShownLength() < nExpected) {
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                if (sinceEnter.elapsed() > 10'000) {
                    state.SkipWithError("no echo within 10 s");
                    return;
                }
            }
            latencies.push_back(sinceEnter.nsecsElapsed() / 1e6);
        }
        std::sort(latencies.begin(), latencies.end());
        state.counters["median_echo_ms"] = latencies[kLines / 2];
        state.counters["p99_echo_ms"] = latencies[kLines * 99 / 100];
        state.counters["longest_echo_ms"] = latencies.back();
        run.EndInput();
        run.WaitUntilIdle(60s);
    }
}
BENCHMARK(BM_EchoLatency)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    MemoryPolicy::KeepLargeBlocksForReuse();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
