#include "DebugController.h"

#include "DebugHost.h"
#include "DebugSession.h"

#include "editor/SyntaxWindowDoc.h"
#include "framework/Ui.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectWindows.h"
#include "run/ProcessRunner.h"
#include "run/RunHost.h"
#include "run/RunWatcher.h"

CDebugController::CDebugController(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& runHost, CDebugHost& host)
    : m_project(project), m_run(run), m_runHost(runHost), m_host(host)
{
    m_project.GetBreakpoints().AddObserver(this);
    m_host.Bind(this);
}

CDebugController::~CDebugController()
{
    m_project.GetBreakpoints().RemoveObserver(this);
    // The Debug bar shows this controller's model, and goes with it.
    m_host.Bind(nullptr);
    // The session ends its debugger and the program's JVM as it goes; the Process Window then
    // shows the run as one the user ended.
    m_session.reset();
    m_endedSession.reset();
    m_run.FinishFed(m_exitCode.value_or(CCapturedRun::kTerminatedByUser));
    ClearArrow();
    // The marks were the project's; the windows that stay open no longer keep any.
    for (CSyntaxWindowDoc* source : m_host.OpenSources())
        source->ShowProjectBreakpoints();
}

void CDebugController::AwaitBuild(CDebugLaunch launch)
{
    m_pending = std::move(launch);
    m_phase = Phase::Building;
    m_host.WaitForCapturedRun();
}

void CDebugController::OnCapturedRunEnded()
{
    if (m_phase != Phase::Building)
        return;
    m_phase = Phase::Idle;
    // A build with errors leaves them in the Process Window, and nothing runs.
    if (m_run.LastExitCode() == 0)
        StartSession(std::move(m_pending));
}

bool CDebugController::StartSession(CDebugLaunch launch)
{
    if (m_session != nullptr)
        return false;
    m_strRoot = launch.strSourceRoot;
    launch.breakpoints = BreakpointsUnderRoot();
    const std::string mainClass =
        launch.strPackage.empty() ? launch.strMainClass : launch.strPackage + "." + launch.strMainClass;
    auto session = std::make_unique<CDebugSession>(*this);
    if (const std::optional<std::string> error = session->Start(launch)) {
        m_runHost.GetUi().MessageBox(*error);
        return false;
    }
    m_runHost.SetProcessCaption("Debugging " + mainClass);
    // The program's output follows the build's in the Process Window.
    std::unique_ptr<ProcessRunner> runner = m_run.StartFedRun(*this, "java " + mainClass + " " + launch.strArguments, true);
    if (runner == nullptr) {
        m_runHost.GetUi().MessageBox("Failed to start process");
        return false;
    }
    m_session = std::move(session);
    m_exitCode.reset();
    m_nPid = 0;
    m_phase = Phase::Starting;
    // Stack traces in the output name files from the source root.
    m_project.SetLastRunFolder(m_strRoot);
    if (auto* watcher = dynamic_cast<CRunWatcher*>(m_project.GetWindows()))
        watcher->WatchRun(std::move(runner));
    m_bar.Clear("Starting " + mainClass);
    m_host.ShowDebugBar(true);
    m_host.WatchEvents(m_session->NotifyFd());
    return true;
}

std::optional<std::string> CDebugController::FromRoot(const std::string& path) const
{
    const std::string under = m_strRoot + Paths::kSeparator;
    if (m_strRoot.empty() || path.size() <= under.size() || path.compare(0, under.size(), under) != 0)
        return std::nullopt;
    return path.substr(under.size());
}

std::vector<CDebugBreakpoint> CDebugController::BreakpointsUnderRoot() const
{
    std::vector<CDebugBreakpoint> breakpoints;
    for (const auto& [path, lines] : m_project.GetBreakpoints().All()) {
        if (const std::optional<std::string> file = FromRoot(path)) {
            for (int nLine : lines)
                breakpoints.push_back({*file, nLine + 1});
        }
    }
    return breakpoints;
}

void CDebugController::Continue()
{
    if (m_phase == Phase::Stopped)
        m_session->Continue();
}

void CDebugController::Step(DebugStepKind kind)
{
    if (m_phase == Phase::Stopped)
        m_session->Step(kind);
}

bool CDebugController::CanRunToCursor() const
{
    if (m_phase != Phase::Stopped)
        return false;
    const std::optional<CSourceLine> caret = m_host.ActiveSourceLine();
    return caret && FromRoot(caret->strPath);
}

bool CDebugController::RunToCursor()
{
    const std::optional<CSourceLine> caret = m_host.ActiveSourceLine();
    const std::optional<std::string> file = caret ? FromRoot(caret->strPath) : std::nullopt;
    if (m_phase != Phase::Stopped || !file)
        return false;
    m_session->RunToLine({*file, caret->nLine + 1});
    return true;
}

void CDebugController::Pause()
{
    if (m_phase == Phase::Running)
        m_session->Pause();
}

void CDebugController::Stop()
{
    switch (m_phase) {
    case Phase::Idle:
        break;
    case Phase::Building:
        m_phase = Phase::Idle;
        m_run.TerminateCaptured(CCapturedRun::kTerminatedByUser);
        break;
    case Phase::Starting:
        // The program is not up to be stopped: the debugger ends, and takes it along.
        m_session->End();
        break;
    case Phase::Running:
    case Phase::Stopped:
        m_session->Stop();
        break;
    }
}

void CDebugController::SelectFrame(int nFrame)
{
    if (!m_bar.SelectFrame(nFrame))
        return;
    m_session->RequestVariables(nFrame);
    const CDebugLocation& frame = m_bar.Frames()[static_cast<std::size_t>(nFrame)];
    if (!frame.strFile.empty() && frame.nLine > 0)
        m_host.ShowSourceLine(Paths::Join(m_strRoot, frame.strFile), frame.nLine - 1);
}

void CDebugController::ExpandRow(int nRow)
{
    if (const std::int64_t nRef = m_bar.Expand(nRow); nRef != 0 && m_session != nullptr)
        m_session->Expand(nRef);
}

void CDebugController::CollapseRow(int nRow)
{
    m_bar.Collapse(nRow);
}

void CDebugController::AskFor(const std::vector<std::int64_t>& refs)
{
    for (std::int64_t nRef : refs)
        m_session->Expand(nRef);
}

void CDebugController::OnEventsWaiting()
{
    if (m_session != nullptr)
        m_session->Dispatch();
    m_endedSession.reset();
}

void CDebugController::OnDebugStarted(std::int64_t nPid)
{
    m_nPid = nPid;
    m_phase = Phase::Running;
    m_bar.ShowRunning();
}

void CDebugController::OnDebugStopped(const CDebugStop& stop)
{
    m_phase = Phase::Stopped;
    m_bar.ShowStop(stop);
    if (!stop.location.strFile.empty() && stop.location.nLine > 0)
        ShowArrow(Paths::Join(m_strRoot, stop.location.strFile), stop.location.nLine - 1);
    else
        ClearArrow();
}

void CDebugController::OnDebugResumed()
{
    m_phase = Phase::Running;
    m_bar.ShowRunning();
    ClearArrow();
}

void CDebugController::OnDebugVariables(const CDebugVariables& variables)
{
    AskFor(m_bar.ShowVariables(variables));
}

void CDebugController::OnDebugChildren(const CDebugChildren& children)
{
    AskFor(m_bar.ShowChildren(children));
}

void CDebugController::OnDebugOutput(DebugStream, std::string_view bytes)
{
    m_run.AppendFed(bytes);
}

void CDebugController::OnDebugExited(int nExitCode)
{
    m_exitCode = nExitCode;
}

void CDebugController::OnDebugError(const std::string& message)
{
    // Said where the program's output is, on a line of its own, without stopping anything.
    m_run.AppendFed("\nDebugger: " + message + "\n");
}

void CDebugController::OnDebugEnded()
{
    m_phase = Phase::Idle;
    m_host.WatchEvents(-1);
    m_run.FinishFed(m_exitCode);
    ClearArrow();
    m_bar.Clear(m_exitCode ? "The program ended with exit code " + std::to_string(*m_exitCode)
                           : std::string("The debugger ended"));
    m_endedSession = std::move(m_session);
}

void CDebugController::OnRunInput(std::string_view bytes)
{
    if (m_session != nullptr)
        m_session->SendInput(bytes);
}

void CDebugController::OnRunInputEnded()
{
    if (m_session != nullptr)
        m_session->EndInput();
}

void CDebugController::OnRunTerminate(int)
{
    Stop();
}

void CDebugController::OnBreakpointToggled(const std::string& path, int nLine, bool bSet)
{
    const std::optional<std::string> file = FromRoot(path);
    if (m_session == nullptr || !file)
        return;
    if (bSet)
        m_session->SetBreakpoint({*file, nLine + 1});
    else
        m_session->ClearBreakpoint({*file, nLine + 1});
}

void CDebugController::OnBreakpointsReset()
{
    for (CSyntaxWindowDoc* source : m_host.OpenSources())
        source->ShowProjectBreakpoints();
}

void CDebugController::ShowArrow(const std::string& path, int nLine)
{
    if (path != m_strArrowPath)
        ClearArrow();
    if (CSyntaxWindowDoc* source = m_host.ShowSourceLine(path, nLine)) {
        source->SetCurrentLine(nLine);
        m_strArrowPath = path;
    }
}

void CDebugController::ClearArrow()
{
    if (m_strArrowPath.empty())
        return;
    for (CSyntaxWindowDoc* source : m_host.OpenSources()) {
        if (source->GetPathName() == m_strArrowPath)
            source->SetCurrentLine(-1);
    }
    m_strArrowPath.clear();
}
