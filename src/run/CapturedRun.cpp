#include "CapturedRun.h"

#include "ProcessRunner.h"

#include "platform/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <system_error>
#include <unistd.h>

namespace {

// Reads taken in a row before the reader looks at a stop and at waiting input again.
constexpr int kReadsPerTurn = 64;

const char* Verdict(int nExitCode)
{
    switch (nExitCode) {
    case 0:
        return "\r\nNo Errors";
    case CCapturedRun::kTerminatedByUser:
        return "\r\nProcess terminated by user.";
    case CCapturedRun::kStillActive:
        return "\r\nError - process still active!";
    default:
        return "\r\nThere were errors";
    }
}

bool MakeNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

}  // namespace

CCapturedRun::CCapturedRun(std::size_t nOutputBound) : m_output(nOutputBound, std::min(nOutputBound, COutputText::kBlockSize))
{
    // Without the wake-up pipe a run can still be ended, but only once its pipe breaks.
    if (CChildProcess::MakePipe(m_wakeRead, m_wakeWrite) && !MakeNonBlocking(m_wakeRead.Get())) {
        m_wakeRead.Reset();
        m_wakeWrite.Reset();
    }
}

CCapturedRun::~CCapturedRun()
{
    EndActiveRun();
    JoinReader();
}

void CCapturedRun::WakeReader()
{
    if (m_wakeWrite.IsValid()) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite.Get(), &byte, 1);
    }
}

void CCapturedRun::DrainWakeUps()
{
    char bytes[64];
    while (m_wakeRead.IsValid() && ::read(m_wakeRead.Get(), bytes, sizeof bytes) > 0) {
    }
}

std::string CCapturedRun::ClosingLines(std::optional<int> exitCode)
{
    if (!exitCode)
        return "Warning! There were process errors";
    return "Exit code: " + std::to_string(*exitCode) + Verdict(*exitCode);
}

bool CCapturedRun::StartCaptured(const std::string& application, const std::string& commandLine,
                                 const std::string& folder, RunInput input)
{
    if (!PrepareRun(false))
        return false;

    m_nStartError = EMFILE;
    CUniqueFd readEnd;
    CUniqueFd writeEnd;
    if (!CChildProcess::MakePipe(readEnd, writeEnd))
        return false;
    // The reader's ends wait without blocking, so it can also hear the wake-up pipe.
    if (!MakeNonBlocking(readEnd.Get()))
        return false;
    CUniqueFd inputRead;
    CUniqueFd inputWrite;
    if (input == RunInput::Pipe && !m_bHandOverInput &&
        (!CChildProcess::MakePipe(inputRead, inputWrite) || !MakeNonBlocking(inputWrite.Get())))
        return false;

    CSpawnRequest request;
    request.strApplication = application;
    request.argv = CommandLine::ToArgv(commandLine, folder);
    if (request.argv.empty())
        request.argv.push_back(application);
    request.strFolder = folder;
    request.nOutputFd = writeEnd.Get();
    if (input == RunInput::Pipe)
        request.nInputFd = m_bHandOverInput ? 0 : inputRead.Get();
    request.bEndWithStarter = true;

    std::lock_guard childLock(m_childLock);
    m_child.emplace();
    m_nStartError = m_child->Start(request);
    if (m_nStartError != 0) {
        m_child.reset();
        return false;
    }
    // From here the tool and its descendants hold the only write ends: the pipe breaks when
    // they have all closed it. Likewise the tool holds the only read end of its input.
    writeEnd.Reset();
    inputRead.Reset();
    m_input.Open(std::move(inputWrite));

    m_bRunning.store(true, std::memory_order_release);
    m_nRuns.fetch_add(1, std::memory_order_acq_rel);
    try {
        m_reader = std::thread([this, fd = std::move(readEnd), child = &*m_child]() mutable {
            Pump(fd.Get());
            fd.Reset();
            // Whatever is still queued has nobody to read it.
            m_input.Drop();
            FinishRun(child->WaitForExit());
        });
    } catch (const std::system_error&) {
        m_input.Drop();
        m_child->Terminate(kTerminatedByUser);
        m_child->WaitForExit();
        m_bRunning.store(false, std::memory_order_release);
        m_nStartError = EAGAIN;
        return false;
    }
    return true;
}

std::unique_ptr<ProcessRunner> CCapturedRun::StartRun(const std::string& application,
                                                     const std::string& commandLine, const std::string& folder,
                                                     RunInput input)
{
    if (!StartCaptured(application, commandLine, folder, input))
        return nullptr;
    return std::make_unique<ProcessRunner>(*this, CurrentRunNumber(), commandLine);
}

bool CCapturedRun::PrepareRun(bool bKeepOutput)
{
    if (IsRunning()) {
        m_nStartError = EBUSY;
        return false;
    }
    // The last run has appended its closing lines; its reader is about to end.
    JoinReader();
    // A stop of the last run that came too late for its reader must not end this one.
    DrainWakeUps();
    m_bStopping.store(false, std::memory_order_release);
    m_bGiveUp.store(false, std::memory_order_release);
    {
        std::lock_guard lock(m_textLock);
        // The closing lines before end with no line break of their own.
        if (!bKeepOutput)
            m_output.Clear();
        else if (m_output.End() > 0)
            m_output.AppendRaw("\r\n");
        m_lastExitCode.reset();
        m_bOutputClosed = false;
    }
    m_input.Open(CUniqueFd());
    return true;
}

std::unique_ptr<ProcessRunner> CCapturedRun::StartFedRun(CRunFeeder& feeder, const std::string& commandLine,
                                                         bool bKeepOutput)
{
    if (!PrepareRun(bKeepOutput))
        return nullptr;
    m_pFeeder = &feeder;
    m_bFedInputOpen = true;
    m_nStartError = 0;
    m_bRunning.store(true, std::memory_order_release);
    m_nRuns.fetch_add(1, std::memory_order_acq_rel);
    return std::make_unique<ProcessRunner>(*this, CurrentRunNumber(), commandLine);
}

void CCapturedRun::AppendFed(std::string_view bytes)
{
    if (IsFedRunActive())
        Append(bytes, false);
}

void CCapturedRun::FinishFed(std::optional<int> exitCode)
{
    if (!IsFedRunActive())
        return;
    m_pFeeder = nullptr;
    m_bFedInputOpen = false;
    FinishRun(exitCode);
}

bool CCapturedRun::StopDeadlinePassed() const
{
    if (!m_bStopping.load(std::memory_order_acquire))
        return false;
    return std::chrono::steady_clock::now().time_since_epoch().count() >= m_nStopDeadline.load();
}

void CCapturedRun::Pump(int readFd)
{
    // A write into the tool's input after it stopped reading raises SIGPIPE for this thread;
    // blocked here, the write fails instead, and the input queue lets go of what is left.
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeOnly, nullptr);

    char buffer[kReadSize];
    for (;;) {
        // Checked on every turn, also while output keeps coming: a descendant outside the
        // tool's group that floods the pipe cannot keep a stopped run going.
        if (m_bGiveUp.load(std::memory_order_acquire) || StopDeadlinePassed())
            return;
        if (m_input.HasWork())
            m_input.Flush();

        bool bDrained = false;
        for (int i = 0; i < kReadsPerTurn && !bDrained; ++i) {
            const ssize_t n = ::read(readFd, buffer, sizeof buffer);
            if (n > 0) {
                Append(std::string_view(buffer, static_cast<std::size_t>(n)), false);
            } else if (n == 0) {
                return;
            } else if (errno != EINTR) {
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    return;
                bDrained = true;
            }
        }
        if (!bDrained)
            continue;

        int nTimeout = -1;
        if (m_bStopping.load(std::memory_order_acquire)) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            const auto left = std::chrono::steady_clock::duration(m_nStopDeadline.load() - now);
            nTimeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
            if (nTimeout <= 0)
                return;
        }
        pollfd fds[3] = {{readFd, POLLIN, 0}, {m_wakeRead.Get(), POLLIN, 0}, {m_input.Fd(), POLLOUT, 0}};
        const nfds_t nFds = !m_wakeRead.IsValid() ? 1 : m_input.HasWork() ? 3 : 2;
        const int nReady = ::poll(fds, nFds, nTimeout);
        if (nReady < 0 && errno != EINTR)
            return;
        if (nReady > 0 && (fds[1].revents & POLLIN) != 0)
            DrainWakeUps();
    }
}

void CCapturedRun::Append(std::string_view bytes, bool bRaw)
{
    std::lock_guard lock(m_textLock);
    AppendLocked(bytes, bRaw);
}

void CCapturedRun::AppendLocked(std::string_view bytes, bool bRaw)
{
    const std::size_t nBefore = m_output.End();
    if (bRaw)
        m_output.AppendRaw(bytes);
    else
        m_output.AppendChunk(bytes);
    if (m_pObserver != nullptr)
        m_pObserver->OnOutput(m_output.CopyFrom(nBefore));
}

void CCapturedRun::FinishRun(std::optional<int> exitCode)
{
    {
        std::lock_guard lock(m_textLock);
        const std::string closing = ClosingLines(exitCode);
        m_output.AppendRaw(closing);
        if (m_pObserver != nullptr)
            m_pObserver->OnOutput(closing);
        m_lastExitCode = exitCode;
        m_bOutputClosed = true;
    }
    {
        // Cleared under the waiters' lock so that none of them misses the change.
        std::lock_guard lock(m_idleLock);
        m_bRunning.store(false, std::memory_order_release);
    }
    m_idle.notify_all();
}

bool CCapturedRun::SendInput(std::string_view bytes, bool bEcho)
{
    if (m_pFeeder != nullptr) {
        {
            std::lock_guard lock(m_textLock);
            if (m_bOutputClosed || !m_bFedInputOpen)
                return false;
            if (bEcho)
                AppendLocked(bytes, false);
        }
        m_pFeeder->OnRunInput(bytes);
        return true;
    }
    {
        // Under the output's lock, so an echo never follows the closing lines.
        std::lock_guard lock(m_textLock);
        if (m_bOutputClosed || !m_input.Add(bytes))
            return false;
        if (bEcho)
            AppendLocked(bytes, false);
    }
    WakeReader();
    return true;
}

bool CCapturedRun::EndInput()
{
    if (m_pFeeder != nullptr) {
        if (!m_bFedInputOpen)
            return false;
        m_bFedInputOpen = false;
        m_pFeeder->OnRunInputEnded();
        return true;
    }
    if (!m_input.End())
        return false;
    WakeReader();
    return true;
}

bool CCapturedRun::TerminateCaptured(int nExitCode)
{
    // A fed run ends when its feeder says it has; the feeder is asked to end it.
    if (CRunFeeder* feeder = IsFedRunActive() ? m_pFeeder : nullptr) {
        feeder->OnRunTerminate(nExitCode);
        return true;
    }
    std::lock_guard childLock(m_childLock);
    if (!m_child || !IsRunning())
        return false;
    // A tool that has ended by itself keeps its exit code; what it left running goes.
    if (!m_child->Terminate(nExitCode))
        m_child->KillGroup();
    const auto deadline = std::chrono::steady_clock::now() + kStopGrace;
    m_nStopDeadline.store(deadline.time_since_epoch().count());
    m_bStopping.store(true, std::memory_order_release);
    WakeReader();
    return true;
}

void CCapturedRun::EndActiveRun()
{
    if (!TerminateCaptured(kTerminatedByUser))
        return;
    m_bGiveUp.store(true, std::memory_order_release);
    WakeReader();
    JoinReader();
}

std::optional<int> CCapturedRun::LastExitCode() const
{
    std::lock_guard lock(m_textLock);
    return m_lastExitCode;
}

std::string CCapturedRun::CopyOutput() const
{
    std::lock_guard lock(m_textLock);
    return m_output.Text();
}

std::string CCapturedRun::CopyOutputFrom(std::size_t nFrom, std::size_t nMax) const
{
    std::lock_guard lock(m_textLock);
    return m_output.CopyFrom(nFrom, nMax);
}

COutputText::CPiece CCapturedRun::CopyPieceFrom(std::size_t nFrom, std::size_t nMax) const
{
    std::lock_guard lock(m_textLock);
    return m_output.PieceFrom(nFrom, nMax);
}

std::size_t CCapturedRun::OutputSize() const
{
    std::lock_guard lock(m_textLock);
    return m_output.End();
}

bool CCapturedRun::WaitUntilIdle(std::chrono::milliseconds limit)
{
    {
        std::unique_lock lock(m_idleLock);
        if (!m_idle.wait_for(lock, limit, [this] { return !IsRunning(); }))
            return false;
    }
    JoinReader();
    return true;
}

void CCapturedRun::JoinReader()
{
    if (m_reader.joinable())
        m_reader.join();
}
