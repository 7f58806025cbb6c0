#include "CapturedRun.h"

#include "ProcessRunner.h"

#include "platform/CommandLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr int kTerminatedByUser = 11;

const char* Verdict(int nExitCode)
{
    switch (nExitCode) {
    case 0:
        return "\r\nNo Errors";
    case kTerminatedByUser:
        return "\r\nProcess terminated by user.";
    case CCapturedRun::kStillActive:
        return "\r\nError - process still active!";
    default:
        return "\r\nThere were errors";
    }
}

}  // namespace

CCapturedRun::CCapturedRun()
{
    // Without the wake-up pipe a run can still be ended, but only once its pipe breaks.
    if (CChildProcess::MakePipe(m_wakeRead, m_wakeWrite)) {
        const int flags = ::fcntl(m_wakeRead.Get(), F_GETFL);
        if (flags < 0 || ::fcntl(m_wakeRead.Get(), F_SETFL, flags | O_NONBLOCK) != 0) {
            m_wakeRead.Reset();
            m_wakeWrite.Reset();
        }
    }
}

CCapturedRun::~CCapturedRun()
{
    if (IsRunning()) {
        TerminateCaptured(kTerminatedByUser);
        m_bGiveUp.store(true, std::memory_order_release);
        WakeReader();
    }
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
                                 const std::string& folder)
{
    if (IsRunning())
        return false;
    // The last run has appended its closing lines; its reader is about to end.
    JoinReader();
    // A stop of the last run that came too late for its reader must not end this one.
    DrainWakeUps();
    m_bStopping.store(false, std::memory_order_release);
    m_bGiveUp.store(false, std::memory_order_release);
    {
        std::lock_guard lock(m_textLock);
        m_output.Clear();
        m_lastExitCode.reset();
    }

    CUniqueFd readEnd;
    CUniqueFd writeEnd;
    if (!CChildProcess::MakePipe(readEnd, writeEnd))
        return false;
    // Only the reader's end waits without blocking, so it can also hear the wake-up pipe.
    const int flags = ::fcntl(readEnd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(readEnd.Get(), F_SETFL, flags | O_NONBLOCK) != 0)
        return false;

    CSpawnRequest request;
    request.strApplication = application;
    request.argv = CommandLine::ToArgv(commandLine, folder);
    if (request.argv.empty())
        request.argv.push_back(application);
    request.strFolder = folder;
    request.nOutputFd = writeEnd.Get();

    std::lock_guard childLock(m_childLock);
    m_child.emplace();
    if (m_child->Start(request) != 0) {
        m_child.reset();
        return false;
    }
    // From here the tool and its descendants hold the only write ends: the pipe breaks when
    // they have all closed it.
    writeEnd.Reset();

    m_bRunning.store(true, std::memory_order_release);
    m_nRuns.fetch_add(1, std::memory_order_acq_rel);
    try {
        m_reader = std::thread([this, fd = std::move(readEnd), child = &*m_child]() mutable {
            ReadUntilBroken(fd.Get());
            fd.Reset();
            FinishRun(child->WaitForExit());
        });
    } catch (const std::system_error&) {
        m_child->Terminate(kTerminatedByUser);
        m_child->WaitForExit();
        m_bRunning.store(false, std::memory_order_release);
        return false;
    }
    return true;
}

std::unique_ptr<ProcessRunner> CCapturedRun::StartRun(const std::string& application,
                                                     const std::string& commandLine, const std::string& folder)
{
    if (!StartCaptured(application, commandLine, folder))
        return nullptr;
    return std::make_unique<ProcessRunner>(*this, CurrentRunNumber(), commandLine);
}

void CCapturedRun::ReadUntilBroken(int readFd)
{
    char buffer[kReadSize];
    for (;;) {
        const ssize_t n = ::read(readFd, buffer, sizeof buffer);
        if (n > 0) {
            // A chunk at most doubles when its line ends become CR LF.
            MakeRoom(2 * static_cast<std::size_t>(n));
            std::lock_guard lock(m_textLock);
            m_output.AppendChunk(std::string_view(buffer, static_cast<std::size_t>(n)));
            continue;
        }
        if (n == 0)
            return;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return;
        if (m_bGiveUp.load(std::memory_order_acquire))
            return;
        int nTimeout = -1;
        if (m_bStopping.load(std::memory_order_acquire)) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            const auto left = std::chrono::steady_clock::duration(m_nStopDeadline.load() - now);
            if (left <= std::chrono::steady_clock::duration::zero())
                return;
            nTimeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
        }
        pollfd fds[2] = {{readFd, POLLIN, 0}, {m_wakeRead.Get(), POLLIN, 0}};
        const int nReady = ::poll(fds, m_wakeRead.IsValid() ? 2 : 1, nTimeout);
        if (nReady < 0 && errno != EINTR)
            return;
        if (nReady > 0 && (fds[1].revents & POLLIN) != 0)
            DrainWakeUps();
    }
}

void CCapturedRun::MakeRoom(std::size_t nBytes)
{
    if (m_output.Spare() >= nBytes)
        return;
    // Growing copies the whole text, which takes long for a long one: it is copied here without
    // the lock, so that the window's copies never wait for it. Only the reader changes the text,
    // so reading it meanwhile is safe; the old text is let go after the lock too.
    COutputText grown = m_output.CopyWithRoom(nBytes);
    std::lock_guard lock(m_textLock);
    m_output.Swap(grown);
}

void CCapturedRun::FinishRun(std::optional<int> exitCode)
{
    const std::string closing = ClosingLines(exitCode);
    MakeRoom(closing.size());
    {
        std::lock_guard lock(m_textLock);
        m_output.AppendRaw(closing);
        m_lastExitCode = exitCode;
    }
    {
        // Cleared under the waiters' lock so that none of them misses the change.
        std::lock_guard lock(m_idleLock);
        m_bRunning.store(false, std::memory_order_release);
    }
    m_idle.notify_all();
}

bool CCapturedRun::TerminateCaptured(int nExitCode)
{
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

std::size_t CCapturedRun::OutputSize() const
{
    std::lock_guard lock(m_textLock);
    return m_output.Size();
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
