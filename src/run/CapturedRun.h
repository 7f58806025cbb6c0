#pragma once

#include "InputQueue.h"
#include "OutputText.h"
#include "RunInput.h"

#include "platform/ChildProcess.h"
#include "platform/UniqueFd.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

class ProcessRunner;

// Hears every byte a captured run adds to its output, in order, with the output's lock held:
// it must not call back into the run. Called on the reader thread, and on the thread that
// sends input with an echo.
class COutputObserver {
public:
    virtual ~COutputObserver() = default;
    virtual void OnOutput(std::string_view bytes) = 0;
};

// What feeds a run that has no tool of its own: the debugger's program, whose output comes from
// its debug session. It takes what the Process Window gives the run: the input typed for it,
// the end of that input, and the stop. Called on the thread that feeds the run.
class CRunFeeder {
public:
    virtual ~CRunFeeder() = default;
    virtual void OnRunInput(std::string_view bytes) = 0;
    virtual void OnRunInputEnded() = 0;
    virtual void OnRunTerminate(int nExitCode) = 0;
};

// One captured run at a time: the tool's standard output and error go into one pipe, a reader
// thread turns what comes out into the output text, and when the pipe breaks (the tool and
// everything it started have closed it) appends the exit-code line and a verdict. The same
// thread writes what is sent to the tool's standard input as the pipe takes it.
//
// The output text is shared with the user-interface thread, so every append and every copy
// holds one lock and a copy is always a complete earlier state. The running flag is set before
// the reader starts and cleared by the reader only after the closing lines are in the text.
// The application holds the one run state of the program; each start hands out a runner for
// the window that watches it.
//
// Runs are started from the thread that lives as long as the program (its main thread): the
// kernel ends a run's tool when that thread ends, also when the program is killed or crashes.
class CCapturedRun {
public:
    static constexpr std::size_t kReadSize = 2046;
    static constexpr int kStillActive = 259;
    static constexpr int kTerminatedByUser = 11;

    // nOutputBound: the most output kept in memory (the oldest whole lines go past it).
    explicit CCapturedRun(std::size_t nOutputBound = COutputText::kBound);
    // A run still active is ended and its reader joined.
    ~CCapturedRun();
    CCapturedRun(const CCapturedRun&) = delete;
    CCapturedRun& operator=(const CCapturedRun&) = delete;

    // Refused, changing nothing, while a run is active. Otherwise the output text is emptied
    // and the tool started in folder with the arguments split from commandLine. The errno value
    // of a failed start (EBUSY for a refused one) is kept for LastStartError.
    bool StartCaptured(const std::string& application, const std::string& commandLine, const std::string& folder,
                       RunInput input = RunInput::None);
    // The same start, giving the runner of the new run; none when it was refused.
    std::unique_ptr<ProcessRunner> StartRun(const std::string& application, const std::string& commandLine,
                                            const std::string& folder, RunInput input = RunInput::None);
    int LastStartError() const { return m_nStartError; }

    // A run whose output the feeder gives, from the thread that starts it, through AppendFed
    // until FinishFed; refused while a run is active. With bKeepOutput the output of the run
    // before stays above it. The feeder must stay until FinishFed.
    std::unique_ptr<ProcessRunner> StartFedRun(CRunFeeder& feeder, const std::string& commandLine, bool bKeepOutput);
    void AppendFed(std::string_view bytes);
    // The fed run is over: its closing lines follow its output, and the run state is free.
    void FinishFed(std::optional<int> exitCode);
    bool IsFedRunActive() const { return IsRunning() && m_pFeeder != nullptr; }
    // Counts the successful starts; a runner belongs to the run of its number.
    std::uint64_t CurrentRunNumber() const { return m_nRuns.load(std::memory_order_acquire); }

    // Runs that take input read the program's own standard input instead of a pipe, for a
    // program that is itself run from a shell with its input redirected.
    void HandOverOwnInput(bool bHandOver) { m_bHandOverInput = bHandOver; }
    // Set before a start; nullptr for none.
    void SetOutputObserver(COutputObserver* pObserver) { m_pObserver = pObserver; }

    // Sends bytes to the active run's standard input without waiting for the tool to read them.
    // With bEcho they are also added to the output where they were typed, as a terminal shows
    // them. False when the run takes no more input.
    bool SendInput(std::string_view bytes, bool bEcho);
    // The tool sees the end of its input once what was sent before is out.
    bool EndInput();
    bool AcceptsInput() const { return IsRunning() && (m_pFeeder != nullptr ? m_bFedInputOpen : m_input.IsOpen()); }

    // Stops an active run: the tool is ended with nExitCode if it still runs, and whatever is
    // left of its process group with it. The reader then closes the run as usual; if the pipe
    // stays open even so (a descendant that left the group holds it), the reader gives up on it
    // after kStopGrace. False when no run was active.
    bool TerminateCaptured(int nExitCode);
    static constexpr std::chrono::milliseconds kStopGrace {1000};
    // For the program's own ending (File > Exit, a signal that asks it to close): the active
    // run's tool and its process group end at once, no question asked, and the reader closes
    // the run without waiting for descendants that left the group. On the thread that started
    // the run, never in a signal handler.
    void EndActiveRun();

    bool IsRunning() const { return m_bRunning.load(std::memory_order_acquire); }
    // The exit code the last run ended with; nothing while it runs or when it could not be read.
    std::optional<int> LastExitCode() const;
    // What is kept of the output.
    std::string CopyOutput() const;
    // The output from position nFrom on, for a watcher that already shows the part before it;
    // at most nMax bytes of it, for one that takes a long output in pieces. Positions count
    // every byte the run wrote; a copy from before the first byte kept starts at that byte.
    std::string CopyOutputFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    COutputText::CPiece CopyPieceFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    // The position after the last byte of output: every byte the run wrote, also those let go.
    std::size_t OutputSize() const;

    // Waits up to limit for the run to end; on success the reader thread is gone too.
    bool WaitUntilIdle(std::chrono::milliseconds limit);

    // The closing lines for an exit code, or for an exit status that could not be read.
    static std::string ClosingLines(std::optional<int> exitCode);

private:
    void Pump(int readFd);
    bool StopDeadlinePassed() const;
    // Readies the run state for a new run, the last one's output emptied or kept above it;
    // false (EBUSY) while a run is active.
    bool PrepareRun(bool bKeepOutput);
    void Append(std::string_view bytes, bool bRaw);
    // The same with the output's lock held.
    void AppendLocked(std::string_view bytes, bool bRaw);
    void FinishRun(std::optional<int> exitCode);
    void JoinReader();
    void WakeReader();
    void DrainWakeUps();

    mutable std::mutex m_textLock;
    COutputText m_output;
    std::optional<int> m_lastExitCode;  // guarded by m_textLock
    bool m_bOutputClosed = false;       // guarded by m_textLock: the closing lines are in
    COutputObserver* m_pObserver = nullptr;
    std::atomic<bool> m_bRunning {false};
    std::atomic<std::uint64_t> m_nRuns {0};
    int m_nStartError = 0;
    bool m_bHandOverInput = false;
    CInputQueue m_input;
    CRunFeeder* m_pFeeder = nullptr;  // while a fed run is active
    bool m_bFedInputOpen = false;

    // Set by a stop: the reader reads what still comes until the deadline, then gives up.
    std::atomic<bool> m_bStopping {false};
    std::atomic<std::chrono::steady_clock::rep> m_nStopDeadline {0};
    // Set when the run state goes: the reader gives up at once.
    std::atomic<bool> m_bGiveUp {false};

    std::condition_variable m_idle;
    std::mutex m_idleLock;

    std::mutex m_childLock;  // guards replacing the child against TerminateCaptured
    std::optional<CChildProcess> m_child;
    CUniqueFd m_wakeRead;    // written to when the reader must look at the stop flags or the input
    CUniqueFd m_wakeWrite;
    std::thread m_reader;
};
