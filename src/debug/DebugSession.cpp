#include "DebugSession.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// The debugger's JVM does little computing and should come up fast: no optimising compiler,
// the simplest collector.
const std::vector<std::string> kDebuggerJvmOptions = {"-XX:TieredStopAtLevel=1", "-XX:+UseSerialGC"};

bool MakePipe(CUniqueFd& readEnd, CUniqueFd& writeEnd)
{
    if (!CChildProcess::MakePipe(readEnd, writeEnd))
        return false;
    for (const CUniqueFd* end : {&readEnd, &writeEnd}) {
        const int flags = ::fcntl(end->Get(), F_GETFL);
        if (flags < 0 || ::fcntl(end->Get(), F_SETFL, flags | O_NONBLOCK) != 0)
            return false;
    }
    return true;
}

void Drain(int fd)
{
    char bytes[64];
    while (::read(fd, bytes, sizeof bytes) > 0) {
    }
}

// A command-line text as the arguments it stands for, split and expanded as a tool's are.
std::vector<std::string> Arguments(const std::string& text, const std::string& folder)
{
    std::vector<std::string> argv = CommandLine::ToArgv("x " + text, folder);
    argv.erase(argv.begin());
    return argv;
}

bool IsFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

CDebugSession::CDebugSession(CDebugObserver& observer) : m_observer(observer) {}

CDebugSession::~CDebugSession()
{
    End();
    if (m_thread.joinable())
        m_thread.join();
}

std::optional<std::string> CDebugSession::Start(const CDebugLaunch& launch)
{
    if (m_state != DebugState::NotStarted)
        return "The debugger has already been started.";
    if (launch.strMainClass.empty())
        return "There is no main class to debug.";
    const std::string java = Paths::Join(launch.strJavaBin, "bin/java");
    if (!IsFile(java))
        return "Couldn't locate Java: " + java + " is missing.";
    if (!IsFile(launch.strDebuggerJar))
        return "The debugger " + launch.strDebuggerJar + " is missing.";
    if (!MakePipe(m_wakeRead, m_wakeWrite) || !MakePipe(m_notifyRead, m_notifyWrite))
        return std::string("Couldn't start the debugger: ") + std::strerror(errno);

    std::vector<std::string> argv = {"java"};
    argv.insert(argv.end(), kDebuggerJvmOptions.begin(), kDebuggerJvmOptions.end());
    argv.insert(argv.end(), {"-jar", launch.strDebuggerJar});
    if (const int nError = m_process.Start(java, argv, launch.strSourceRoot); nError != 0)
        return std::string("Couldn't start the debugger: ") + std::strerror(nError);

    const std::string mainClass =
        launch.strPackage.empty() ? launch.strMainClass : launch.strPackage + "." + launch.strMainClass;
    std::string commands = DebugProtocol::Hello();
    // Set before the launch, the breakpoints are in place before the program's first line.
    for (const CDebugBreakpoint& breakpoint : launch.breakpoints)
        commands += DebugProtocol::SetBreakpoint(breakpoint);
    commands += DebugProtocol::Launch(mainClass, Arguments(launch.strJavaSwitches, launch.strSourceRoot),
                                      Arguments(launch.strArguments, launch.strSourceRoot), launch.strClassPath);
    m_outgoing = std::move(commands);
    m_state = DebugState::Starting;
    try {
        m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error& e) {
        m_process.CloseInput();
        m_process.Finish(std::chrono::milliseconds(0));
        m_state = DebugState::Ended;
        return std::string("Couldn't start the debugger: ") + e.what();
    }
    return std::nullopt;
}

void CDebugSession::Send(std::string line)
{
    if (m_state == DebugState::NotStarted || m_state == DebugState::Ended)
        return;
    {
        std::lock_guard lock(m_lock);
        m_outgoing += line;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite.Get(), &byte, 1);
}

void CDebugSession::SetBreakpoint(const CDebugBreakpoint& breakpoint)
{
    Send(DebugProtocol::SetBreakpoint(breakpoint));
}

void CDebugSession::ClearBreakpoint(const CDebugBreakpoint& breakpoint)
{
    Send(DebugProtocol::ClearBreakpoint(breakpoint));
}

void CDebugSession::Continue()
{
    Send(DebugProtocol::Continue());
    if (m_state == DebugState::Stopped)
        m_state = DebugState::Running;
}

void CDebugSession::Step(DebugStepKind kind)
{
    Send(DebugProtocol::Step(kind));
    if (m_state == DebugState::Stopped)
        m_state = DebugState::Running;
}

void CDebugSession::RunToLine(const CDebugBreakpoint& place)
{
    Send(DebugProtocol::RunToLine(place));
    if (m_state == DebugState::Stopped)
        m_state = DebugState::Running;
}

void CDebugSession::Pause()
{
    Send(DebugProtocol::Pause());
}

void CDebugSession::Stop()
{
    Send(DebugProtocol::Stop());
}

void CDebugSession::SendInput(std::string_view bytes)
{
    Send(DebugProtocol::Input(bytes));
}

void CDebugSession::EndInput()
{
    Send(DebugProtocol::EndInput());
}

void CDebugSession::RequestVariables(int nFrame)
{
    Send(DebugProtocol::Variables(nFrame));
}

void CDebugSession::Expand(std::int64_t nRef)
{
    Send(DebugProtocol::Expand(nRef));
}

void CDebugSession::End()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_lock);
        m_bEndRequested = true;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite.Get(), &byte, 1);
}

bool CDebugSession::WaitForEvents(std::chrono::milliseconds limit) const
{
    if (!m_notifyRead.IsValid())
        return false;
    pollfd fd {m_notifyRead.Get(), POLLIN, 0};
    const auto nTimeout = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(limit.count(), 0, INT_MAX));
    int nReady = 0;
    do {
        nReady = ::poll(&fd, 1, nTimeout);
    } while (nReady < 0 && errno == EINTR);
    return nReady > 0;
}

void CDebugSession::Dispatch()
{
    std::vector<CQueued> events;
    {
        std::lock_guard lock(m_lock);
        events.swap(m_events);
        if (m_notifyRead.IsValid())
            Drain(m_notifyRead.Get());
    }
    for (CQueued& item : events)
        Deliver(item);
}

void CDebugSession::Deliver(CQueued& item)
{
    if (auto* event = std::get_if<DebugProtocol::CEvent>(&item)) {
        DeliverEvent(*event);
    } else if (const auto* unreadable = std::get_if<CUnreadable>(&item)) {
        m_observer.OnDebugError("The debugger sent a message Ondrik cannot read: " + unreadable->strError + ".");
    } else if (const auto* line = std::get_if<CDebuggerLine>(&item)) {
        m_observer.OnDebugOutput(DebugStream::Debugger, line->strText);
    } else if (const auto* ended = std::get_if<CEnded>(&item)) {
        m_state = DebugState::Ended;
        if (!m_bExited) {
            const std::string code =
                ended->debuggerExitCode ? " (exit code " + std::to_string(*ended->debuggerExitCode) + ")" : "";
            m_observer.OnDebugError("The debugger ended before the program did" + code + ".");
        }
        m_observer.OnDebugEnded();
    }
}

void CDebugSession::DeliverEvent(DebugProtocol::CEvent& event)
{
    using namespace DebugProtocol;
    if (const auto* hello = std::get_if<CHello>(&event)) {
        if (hello->nProtocol != kVersion) {
            m_observer.OnDebugError("The debugger speaks protocol version " + std::to_string(hello->nProtocol) +
                                    ", Ondrik version " + std::to_string(kVersion) + ".");
            End();
        }
    } else if (const auto* started = std::get_if<CStarted>(&event)) {
        if (m_state == DebugState::Starting)
            m_state = DebugState::Running;
        m_observer.OnDebugStarted(started->nPid);
    } else if (const auto* resolved = std::get_if<CBreakpointResolved>(&event)) {
        m_observer.OnDebugBreakpointResolved(resolved->breakpoint);
    } else if (const auto* stop = std::get_if<CDebugStop>(&event)) {
        if (!m_bExited)
            m_state = DebugState::Stopped;
        m_observer.OnDebugStopped(*stop);
    } else if (std::holds_alternative<CResumed>(event)) {
        if (!m_bExited)
            m_state = DebugState::Running;
        m_observer.OnDebugResumed();
    } else if (const auto* variables = std::get_if<CDebugVariables>(&event)) {
        m_observer.OnDebugVariables(*variables);
    } else if (const auto* children = std::get_if<CDebugChildren>(&event)) {
        m_observer.OnDebugChildren(*children);
    } else if (const auto* output = std::get_if<COutput>(&event)) {
        m_observer.OnDebugOutput(output->stream, output->strBytes);
    } else if (const auto* exited = std::get_if<CExited>(&event)) {
        m_bExited = true;
        m_state = DebugState::Ended;
        m_observer.OnDebugExited(exited->nCode);
    } else if (const auto* error = std::get_if<CError>(&event)) {
        m_observer.OnDebugError(error->strMessage);
    }
}

void CDebugSession::Push(CQueued item)
{
    std::lock_guard lock(m_lock);
    if (m_events.empty()) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_notifyWrite.Get(), &byte, 1);
    }
    m_events.push_back(std::move(item));
}

void CDebugSession::TakeLine(std::string_view line, bool bEvents)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (!bEvents) {
        Push(CDebuggerLine {std::string(line)});
        return;
    }
    if (line.empty())
        return;
    DebugProtocol::CParsed parsed = DebugProtocol::ParseEvent(line);
    if (parsed.event)
        Push(std::move(*parsed.event));
    else
        Push(CUnreadable {std::move(parsed.strError)});
}

// Reads what is there; false once the pipe has broken. A line longer than kMaxLine is
// reported once and the rest of it dropped as it comes.
bool CDebugSession::ReadLines(int fd, CLineReader& reader, bool bEvents)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        if (n <= 0) {
            if (!reader.strPending.empty() && !reader.bDropping)
                TakeLine(reader.strPending, bEvents);
            reader.strPending.clear();
            return false;
        }
        std::string_view chunk(buffer, static_cast<std::size_t>(n));
        for (std::size_t end = chunk.find('\n'); end != std::string_view::npos; end = chunk.find('\n')) {
            if (!reader.bDropping) {
                reader.strPending.append(chunk.substr(0, end));
                TakeLine(reader.strPending, bEvents);
            }
            reader.strPending.clear();
            reader.bDropping = false;
            chunk.remove_prefix(end + 1);
        }
        if (!reader.bDropping)
            reader.strPending.append(chunk);
        if (reader.strPending.size() > kMaxLine) {
            Push(CUnreadable {"a message longer than " + std::to_string(kMaxLine) + " bytes"});
            reader.strPending.clear();
            reader.bDropping = true;
        }
    }
}

// Writes what it can of the outgoing commands; false once the debugger no longer reads them.
bool CDebugSession::WriteOutgoing()
{
    std::lock_guard lock(m_lock);
    while (!m_outgoing.empty()) {
        const ssize_t n = ::write(m_process.InputFd(), m_outgoing.data(), m_outgoing.size());
        if (n > 0) {
            m_outgoing.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        m_outgoing.clear();
        return false;
    }
    return true;
}

void CDebugSession::Run()
{
    // A debugger that has gone makes writes fail rather than end the program.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

    CLineReader outLines;
    CLineReader errLines;
    bool bTimedOut = false;
    bool bOutOpen = true;
    bool bErrOpen = true;
    std::optional<std::chrono::steady_clock::time_point> deadline;
    while (bOutOpen || bErrOpen) {
        bool bWantWrite = false;
        bool bEnd = false;
        {
            std::lock_guard lock(m_lock);
            bWantWrite = !m_outgoing.empty() && m_process.InputFd() >= 0;
            bEnd = m_bEndRequested;
        }
        // Once the events have ended, or an end is asked for, the debugger's input closes: it
        // then ends the program and itself.
        if ((bEnd || !bOutOpen) && m_process.InputFd() >= 0) {
            m_process.CloseInput();
            bWantWrite = false;
        }
        if ((bEnd || !bOutOpen) && !deadline)
            deadline = std::chrono::steady_clock::now() + (bOutOpen ? kEndGrace : std::chrono::milliseconds(1000));

        int nTimeout = -1;
        if (deadline) {
            const auto left = *deadline - std::chrono::steady_clock::now();
            if (left <= std::chrono::steady_clock::duration::zero()) {
                bTimedOut = true;
                break;
            }
            nTimeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
        }
        pollfd fds[4] = {{bOutOpen ? m_process.OutputFd() : -1, POLLIN, 0},
                         {bErrOpen ? m_process.ErrorFd() : -1, POLLIN, 0},
                         {m_wakeRead.Get(), POLLIN, 0},
                         {bWantWrite ? m_process.InputFd() : -1, POLLOUT, 0}};
        if (::poll(fds, 4, nTimeout) < 0 && errno != EINTR)
            break;
        if (fds[2].revents != 0)
            Drain(m_wakeRead.Get());
        if (fds[3].revents != 0 && !WriteOutgoing())
            m_process.CloseInput();
        if (fds[0].revents != 0 && !ReadLines(m_process.OutputFd(), outLines, true)) {
            bOutOpen = false;
            m_process.CloseOutput();
        }
        if (fds[1].revents != 0 && !ReadLines(m_process.ErrorFd(), errLines, false)) {
            bErrOpen = false;
            m_process.CloseError();
        }
    }
    m_process.CloseInput();
    m_process.CloseOutput();
    m_process.CloseError();
    // A debugger that let its pipes go has ended or is about to; one that did not is ended now.
    Push(CEnded {m_process.Finish(bTimedOut ? std::chrono::milliseconds(0) : kEndGrace)});
}
