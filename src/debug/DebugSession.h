#pragma once

#include "DebugObserver.h"
#include "DebugProtocol.h"
#include "DebugTypes.h"
#include "DebuggerProcess.h"

#include "platform/UniqueFd.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

// One run of the program under Ondrik's debugger. The debugger is a Java program of its own
// (debugger.jar) that the session starts in the source root and talks to over pipes; one
// thread moves the commands out and the events in. The events wait in a queue until the
// owner's thread calls Dispatch, which tells the observer, so the observer is only ever called
// on that thread: NotifyFd becomes readable when events wait.
//
// Every public function is called from the owner's thread. The queue of events, the commands
// on their way out and the request to end are shared with the session's thread under one lock.
class CDebugSession {
public:
    explicit CDebugSession(CDebugObserver& observer);
    // Ends the debugger and the program if they still run, and waits for the session's thread.
    ~CDebugSession();
    CDebugSession(const CDebugSession&) = delete;
    CDebugSession& operator=(const CDebugSession&) = delete;

    // Starts the debugger and, through it, the program with its breakpoints in place. The
    // message to show when it could not start; a session starts once.
    std::optional<std::string> Start(const CDebugLaunch& launch);

    DebugState State() const { return m_state; }

    // The commands. Each goes to the debugger, which answers with events; a command that does
    // not fit the program's state comes back as an error.
    void SetBreakpoint(const CDebugBreakpoint& breakpoint);
    void ClearBreakpoint(const CDebugBreakpoint& breakpoint);
    void Continue();
    void Step(DebugStepKind kind);
    void RunToLine(const CDebugBreakpoint& place);
    void Pause();
    // Ends the program's JVM; it exits with 11, and the session ends.
    void Stop();
    // Bytes for the program's standard input, as typed; EndInput closes it.
    void SendInput(std::string_view bytes);
    void EndInput();
    void RequestVariables(int nFrame);
    void Expand(std::int64_t nRef);
    // Ends the session: the debugger's input closes, it ends the program and itself, and what
    // does not end within a few seconds is killed. Events still come until OnDebugEnded.
    void End();

    // Readable while events wait for Dispatch; -1 before Start.
    int NotifyFd() const { return m_notifyRead.Get(); }
    // Tells the observer of every waiting event, in order.
    void Dispatch();
    // Waits up to limit for events to wait; true when some do.
    bool WaitForEvents(std::chrono::milliseconds limit) const;

    // The debugger's file name, in the program's folder.
    static constexpr const char* kDebuggerJar = "debugger.jar";
    // How long the debugger has to end by itself once its input has closed.
    static constexpr std::chrono::milliseconds kEndGrace {3000};
    // A line from the debugger longer than this is dropped as unreadable.
    static constexpr std::size_t kMaxLine = 16 * 1024 * 1024;

private:
    struct CUnreadable {
        std::string strError;
    };
    struct CDebuggerLine {
        std::string strText;
    };
    struct CEnded {
        std::optional<int> debuggerExitCode;
    };
    using CQueued = std::variant<DebugProtocol::CEvent, CUnreadable, CDebuggerLine, CEnded>;
    struct CLineReader {
        std::string strPending;
        bool bDropping = false;  // inside a line too long to keep
    };

    void Send(std::string line);
    void Deliver(CQueued& item);
    void DeliverEvent(DebugProtocol::CEvent& event);

    // On the session's thread.
    void Run();
    void Push(CQueued item);
    bool ReadLines(int fd, CLineReader& reader, bool bEvents);
    void TakeLine(std::string_view line, bool bEvents);
    bool WriteOutgoing();

    CDebugObserver& m_observer;
    DebugState m_state = DebugState::NotStarted;
    bool m_bExited = false;

    CDebuggerProcess m_process;
    CUniqueFd m_wakeRead;  // the session's thread looks at the outgoing commands when written to
    CUniqueFd m_wakeWrite;
    CUniqueFd m_notifyRead;  // readable while events wait
    CUniqueFd m_notifyWrite;

    mutable std::mutex m_lock;
    std::vector<CQueued> m_events;  // guarded by m_lock
    std::string m_outgoing;         // guarded by m_lock
    bool m_bEndRequested = false;   // guarded by m_lock

    std::thread m_thread;
};
