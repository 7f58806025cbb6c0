#pragma once

#include "DebugBarModel.h"
#include "DebugObserver.h"
#include "DebugTypes.h"

#include "project/Breakpoints.h"
#include "run/CapturedRun.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDebugHost;
class CDebugSession;
class CJavaProjectDoc;
class CRunHost;

// A project's debugging: it waits for the build with -g, starts the program under the debugger,
// shows where the program stopped (the arrow in the source window, the stack and variables in
// the Debug bar), passes the program's output and input through the Process Window as the run
// it feeds, gives every breakpoint the user sets or clears to the program at once, and carries
// out the session's commands. One session at a time; it ends with the program, with Stop, or
// when the project goes.
class CDebugController : public CDebugObserver, public CRunFeeder, private CBreakpointObserver {
public:
    enum class Phase {
        Idle,
        Building,  // the build with -g runs; the program follows when it succeeds
        Starting,  // the debugger runs; the program's JVM is not up yet
        Running,
        Stopped,
    };

    CDebugController(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& runHost, CDebugHost& host);
    // A session still going ends, and its JVM with it.
    ~CDebugController() override;
    CDebugController(const CDebugController&) = delete;
    CDebugController& operator=(const CDebugController&) = delete;

    Phase GetPhase() const { return m_phase; }
    bool IsActive() const { return m_phase != Phase::Idle; }
    CDebugBarModel& GetBarModel() { return m_bar; }
    const std::string& GetSourceRoot() const { return m_strRoot; }
    // The process number of the program's JVM once it has started; 0 before.
    std::int64_t GetProgramPid() const { return m_nPid; }

    // The build has just started as the captured run: once it ends without errors the program
    // runs under the debugger as launch says, with the project's breakpoints as they are then.
    void AwaitBuild(CDebugLaunch launch);
    // Starts the program under the debugger now; false, with the message shown, when it could
    // not start.
    bool StartSession(CDebugLaunch launch);

    void Continue();
    void Step(DebugStepKind kind);
    // Runs until the caret's line of the active source window; false when that is no line of
    // the program's sources.
    bool RunToCursor();
    bool CanRunToCursor() const;
    void Pause();
    // Ends the build before a session, or the program; the session then ends.
    void Stop();
    // The Debug bar: a frame chosen shows its line and its variables; a row expanded asks for
    // its children once.
    void SelectFrame(int nFrame);
    void ExpandRow(int nRow);
    void CollapseRow(int nRow);

    // From the host's event loop: the session has events, the build is over.
    void OnEventsWaiting();
    void OnCapturedRunEnded();

    // CDebugObserver
    void OnDebugStarted(std::int64_t nPid) override;
    void OnDebugStopped(const CDebugStop& stop) override;
    void OnDebugResumed() override;
    void OnDebugVariables(const CDebugVariables& variables) override;
    void OnDebugChildren(const CDebugChildren& children) override;
    void OnDebugOutput(DebugStream stream, std::string_view bytes) override;
    void OnDebugExited(int nExitCode) override;
    void OnDebugError(const std::string& message) override;
    void OnDebugEnded() override;

    // CRunFeeder: the Process Window's input line and stop.
    void OnRunInput(std::string_view bytes) override;
    void OnRunInputEnded() override;
    void OnRunTerminate(int nExitCode) override;

private:
    void OnBreakpointToggled(const std::string& path, int nLine, bool bSet) override;
    void OnBreakpointsReset() override;

    // A source's path from the source root, as the debugger names files; none outside it.
    std::optional<std::string> FromRoot(const std::string& path) const;
    std::vector<CDebugBreakpoint> BreakpointsUnderRoot() const;
    void ShowArrow(const std::string& path, int nLine);
    void ClearArrow();
    void AskFor(const std::vector<std::int64_t>& refs);

    CJavaProjectDoc& m_project;
    CCapturedRun& m_run;
    CRunHost& m_runHost;
    CDebugHost& m_host;
    Phase m_phase = Phase::Idle;
    std::unique_ptr<CDebugSession> m_session;
    // A session that has told its end: it goes once its Dispatch is over.
    std::unique_ptr<CDebugSession> m_endedSession;
    CDebugLaunch m_pending;
    std::string m_strRoot;
    std::optional<int> m_exitCode;
    std::int64_t m_nPid = 0;
    std::string m_strArrowPath;
    CDebugBarModel m_bar;
};
