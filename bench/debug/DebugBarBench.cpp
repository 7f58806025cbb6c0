// How fast a step shows in the IDE: from the Step Over command to the current-line arrow on the
// new line and the 50 locals of its frame in the Debug bar, in the whole program on the
// offscreen platform, after the build with -g that Debug makes.
#include "StepsProgram.h"

#include "app/qt/MainFrame.h"
#include "app/qt/QuarnelApp.h"
#include "debug/ProjectDebugCommands.h"
#include "debug/qt/DebugPane.h"
#include "debug/qt/DebugWindowsQt.h"
#include "editor/SyntaxWindowDoc.h"
#include "framework/CommandIds.h"
#include "framework/ConsoleUi.h"
#include "framework/qt/QtDesktopShell.h"
#include "project/JavaProjectDoc.h"
#include "support/QtBenchMain.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Phase = CDebugController::Phase;

const std::string kJdk = "/usr/lib/jvm/default-java";

// Lets the event loop run until done says so; false when limit passed first.
bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(60))
{
    bool bLate = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&bLate] { bLate = true; });
    guard.start(static_cast<int>(limit.count()));
    while (!done() && !bLate)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !bLate;
}

// The program with a project of the steps program open, its main window shown.
class CSteppingIde {
public:
    CSteppingIde() : m_ui(std::cerr)
    {
        std::filesystem::create_directories(m_dir.File("install"));
        std::filesystem::create_symlink(ONDRIK_DEBUGGER_JAR, m_dir.File("install/debugger.jar"));
        m_strSource = m_dir.Write("Steps/src/" + StepsProgram::kFile, StepsProgram::Source());
        CAppEnvironment env;
        env.strProgramPath = m_dir.File("install/ondrik");
        env.strSettingsFile = m_dir.File("Ondrik.reg");
        env.jdkSearch = {kJdk, ""};
        m_app = std::make_unique<CQuarnelApp>(m_ui, m_shell, env);
        CCommandLineInfo cmd;
        cmd.bNoLogo = true;
        m_app->InitInstance(cmd);
        m_app->Settings().m_strJavaBin = kJdk;
        const std::string jpr = m_dir.File("Steps/Steps.jpr");
        {
            CJavaProjectDoc maker(m_app->ProjectHost());
            maker.SetPathName(jpr);
            maker.AddJavaFile(m_strSource);
            maker.SetMainJavaFile("Steps.java");
            maker.OnSaveDocument(jpr);
        }
        m_app->OpenDocumentFile(jpr);
        m_pSource = dynamic_cast<CSyntaxWindowDoc*>(m_app->OpenDocumentFile(m_strSource));
    }

    bool StopAtTheLoop()
    {
        if (m_pSource == nullptr || m_app->GetOpenProject() == nullptr)
            return false;
        const std::string text = StepsProgram::Source();
        const std::string before = text.substr(0, text.find("@loop"));
        m_pSource->ToggleBreakpoint(static_cast<int>(std::count(before.begin(), before.end(), '\n')));
        m_app->GetDocManager().ActivateFrame(*m_app->GetOpenProject());
        m_app->SendCommand(Cmd::ID_BUILD_DEBUG);
        return RunUntil([this] { return Controller().GetPhase() == Phase::Stopped && Controller().GetBarModel().AreRowsCurrent(); });
    }

    CDebugController& Controller() const
    {
        return static_cast<CProjectDebugCommands*>(m_app->GetOpenProject()->GetRunCommands())->GetController();
    }
    QTreeWidget* Variables() const
    {
        auto* commands = static_cast<CProjectDebugCommands*>(m_app->GetOpenProject()->GetRunCommands());
        return static_cast<CDebugWindowsQt&>(commands->GetDebugHost()).GetDebugPane()->GetVariables();
    }
    CSyntaxWindowDoc& Source() const { return *m_pSource; }
    CQuarnelApp& App() const { return *m_app; }

private:
    CTempDir m_dir;
    CConsoleUi m_ui;
    CQtDesktopShell m_shell;
    std::string m_strSource;
    std::unique_ptr<CQuarnelApp> m_app;
    CSyntaxWindowDoc* m_pSource = nullptr;
};

// One Step Over, until the arrow is on the next line and the Debug bar holds the new stop's
// variables, painted.
void BM_StepToArrowAndDebugBar(benchmark::State& state)
{
    CSteppingIde ide;
    if (!ide.StopAtTheLoop()) {
        state.SkipWithError("no first stop");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        const int nFrom = ide.Source().GetCurrentLine();
        const auto start = Clock::now();
        ide.App().SendCommand(Cmd::ID_DEBUG_STEPOVER);
        const bool bShown = RunUntil([&] {
            const int nLine = ide.Source().GetCurrentLine();
            return nLine >= 0 && nLine != nFrom && ide.Controller().GetPhase() == Phase::Stopped &&
                   ide.Controller().GetBarModel().AreRowsCurrent();
        }, std::chrono::seconds(10));
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = Clock::now() - start;
        if (!bShown) {
            state.SkipWithError("a step did not show");
            return;
        }
        state.SetIterationTime(took.count());
        times.push_back(took.count() * 1000);
    }
    if (ide.Variables()->topLevelItemCount() < 50)
        state.SkipWithError("the Debug bar did not show the frame's locals");
    state.counters["median_ms"] = StepsProgram::Quantile(times, 0.5);
    state.counters["p95_ms"] = StepsProgram::Quantile(times, 0.95);
}
BENCHMARK(BM_StepToArrowAndDebugBar)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
