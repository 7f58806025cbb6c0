#include "ProjectDebugCommands.h"

#include "DebugHost.h"
#include "DebugSession.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Ui.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "project/SourceRoot.h"
#include "run/ArgumentsDlg.h"
#include "run/RunHost.h"

using namespace Cmd;

namespace {

using Phase = CDebugController::Phase;

}  // namespace

CProjectDebugCommands::CProjectDebugCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& runHost,
                                             std::unique_ptr<CDebugHost> host)
    : CProjectRunCommands(project, run, runHost), m_pHost(std::move(host)),
      m_controller(project, run, runHost, *m_pHost)
{
    OnCommand(ID_BUILD_DEBUG, [this] { DebugMain(); });
    OnCommand(ID_DEBUG_CONTINUE, [this] { m_controller.Continue(); });
    OnCommand(ID_DEBUG_STEPOVER, [this] { m_controller.Step(DebugStepKind::Over); });
    OnCommand(ID_DEBUG_STEPINTO, [this] { m_controller.Step(DebugStepKind::Into); });
    OnCommand(ID_DEBUG_STEPOUT, [this] { m_controller.Step(DebugStepKind::Out); });
    OnCommand(ID_DEBUG_RUNTOCURSOR, [this] { m_controller.RunToCursor(); });
    OnCommand(ID_DEBUG_PAUSE, [this] { m_controller.Pause(); });
    OnCommand(ID_DEBUG_STOP, [this] { m_controller.Stop(); });
    for (int id : {ID_DEBUG_CONTINUE, ID_DEBUG_STEPOVER, ID_DEBUG_STEPINTO, ID_DEBUG_STEPOUT})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(m_controller.GetPhase() == Phase::Stopped); });
    OnUpdateUI(ID_DEBUG_RUNTOCURSOR, [this](CCmdUI& ui) { ui.Enable(m_controller.CanRunToCursor()); });
    OnUpdateUI(ID_DEBUG_PAUSE, [this](CCmdUI& ui) { ui.Enable(m_controller.GetPhase() == Phase::Running); });
    OnUpdateUI(ID_DEBUG_STOP, [this](CCmdUI& ui) { ui.Enable(m_controller.IsActive()); });
    OnCommand(ID_VIEW_DEBUGBAR, [this] { m_pHost->ShowDebugBar(!m_pHost->IsDebugBarVisible()); });
    OnUpdateUI(ID_VIEW_DEBUGBAR, [this](CCmdUI& ui) {
        ui.Enable();
        ui.SetCheck(m_pHost->IsDebugBarVisible());
    });
}

CProjectDebugCommands::~CProjectDebugCommands() = default;

bool CProjectDebugCommands::DebugMain()
{
    if (!CheckedMainPath())
        return false;
    std::string arguments;
    if (Host().AskForArguments()) {
        CArgumentsDlg dlg;
        if (Ui().DoModal(dlg) != kIdOk)
            return false;
        arguments = dlg.m_strArguments;
    }
    const std::optional<CSourceRoot> main = StartBuild("-g");
    if (!main)
        return false;
    CDebugLaunch launch;
    launch.strJavaBin = Host().GetJavaBin();
    launch.strDebuggerJar = Paths::Join(Host().GetProgramFolder(), CDebugSession::kDebuggerJar);
    launch.strSourceRoot = main->strRoot;
    launch.strPackage = main->strPackage;
    const std::size_t dot = main->strClassName.rfind('.');
    launch.strMainClass = dot == std::string::npos ? main->strClassName : main->strClassName.substr(dot + 1);
    launch.strJavaSwitches = Project().GetJavaSwitches();
    launch.strArguments = arguments;
    m_controller.AwaitBuild(std::move(launch));
    return true;
}
