#pragma once

#include "OutputText.h"

#include "platform/ChildProcess.h"
#include "platform/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class ProcessRunner;

// One captured run at a time: the tool's standard output and error go into one pipe, a reader
// thread turns what comes out into the output text, and when the pipe breaks (the tool and
// everything it started have closed it) appends the exit-code line and a verdict.
//
// The output text is shared with the user-interface thread, so every append and every copy
// holds one lock and a copy is always a complete earlier state. The running flag is set before
// the reader starts and cleared by the reader only after the closing lines are in the text.
// The application holds the one run state of the program; each start hands out a runner for
// the window that watches it.
class CCapturedRun {
public:
    static constexpr std::size_t kReadSize = 2046;
    static constexpr int kStillActive = 259;

    CCapturedRun();
    // A run still active is ended and its reader joined.
    ~CCapturedRun();
    CCapturedRun(const CCapturedRun&) = delete;
    CCapturedRun& operator=(const CCapturedRun&) = delete;

    // Refused, changing nothing, while a run is active. Otherwise the output text is emptied
    // and the tool started in folder with the arguments split from commandLine.
    bool StartCaptured(const std::string& application, const std::string& commandLine,
                       const std::string& folder);
    // The same start, giving the runner of the new run; none when it was refused.
    std::unique_ptr<ProcessRunner> StartRun(const std::string& application, const std::string& commandLine,
                                            const std::string& folder);
    // Counts the successful starts; a runner belongs to the run of its number.
    std::uint64_t CurrentRunNumber() const { return m_nRuns.load(std::memory_order_acquire); }

    // Stops an active run: the tool is ended with nExitCode if it still runs, and whatever is
    // left of its process group with it. The reader then closes the run as usual; if the pipe
    // stays open even so (a descendant that left the group holds it), the reader gives up on it
    // after kStopGrace. False when no run was active.
    bool TerminateCaptured(int nExitCode);
    static constexpr std::chrono::milliseconds kStopGrace {1000};

    bool IsRunning() const { return m_bRunning.load(std::memory_order_acquire); }
    // The exit code the last run ended with; nothing while it runs or when it could not be read.
    std::optional<int> LastExitCode() const;
    std::string CopyOutput() const;
    // The output from position nFrom on, for a watcher that already shows the part before it;
    // at most nMax bytes of it, for one that takes a long output in pieces.
    std::string CopyOutputFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    std::size_t OutputSize() const;

    // Waits up to limit for the run to end; on success the reader thread is gone too.
    bool WaitUntilIdle(std::chrono::milliseconds limit);

    // The closing lines for an exit code, or for an exit status that could not be read.
    static std::string ClosingLines(std::optional<int> exitCode);

private:
    void ReadUntilBroken(int readFd);
    // Grows the text, when it must, for nBytes more; on the reader thread only.
    void MakeRoom(std::size_t nBytes);
    void FinishRun(std::optional<int> exitCode);
    void JoinReader();
    void WakeReader();
    void DrainWakeUps();

    mutable std::mutex m_textLock;
    COutputText m_output;
    std::optional<int> m_lastExitCode;  // guarded by m_textLock
    std::atomic<bool> m_bRunning {false};
    std::atomic<std::uint64_t> m_nRuns {0};

    // Set by a stop: the reader reads what still comes until the deadline, then gives up.
    std::atomic<bool> m_bStopping {false};
    std::atomic<std::chrono::steady_clock::rep> m_nStopDeadline {0};
    // Set when the run state goes: the reader gives up at once.
    std::atomic<bool> m_bGiveUp {false};

    std::condition_variable m_idle;
    std::mutex m_idleLock;

    std::mutex m_childLock;  // guards replacing the child against TerminateCaptured
    std::optional<CChildProcess> m_child;
    CUniqueFd m_wakeRead;    // written to when the reader must look at the stop flags
    CUniqueFd m_wakeWrite;
    std::thread m_reader;
};
