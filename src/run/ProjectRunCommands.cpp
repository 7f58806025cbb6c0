#include "ProjectRunCommands.h"

#include "CapturedRun.h"
#include "ProcessRunner.h"
#include "RunHost.h"
#include "RunWatcher.h"
#include "ToolLines.h"

#include "framework/CommandIds.h"
#include "framework/Ui.h"
#include "platform/CommandLine.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/Terminal.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectHost.h"

CProjectRunCommands::CProjectRunCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& host)
    : m_project(project), m_run(run), m_host(host)
{
    OnCommand(Cmd::ID_BUILD_SHOWARCHIVE, [this] { ShowArchiveContents(); });
}

CProjectRunCommands* CProjectRunCommands::Of(const CJavaProjectDoc& project)
{
    return dynamic_cast<CProjectRunCommands*>(project.GetRunCommands());
}

CUi& CProjectRunCommands::Ui() const
{
    return m_host.GetUi();
}

bool CProjectRunCommands::RunCaptured(const std::string& application, const std::string& commandLine,
                                      const std::string& folder)
{
    std::unique_ptr<ProcessRunner> runner = m_run.StartRun(application, commandLine, folder);
    if (runner == nullptr) {
        Ui().MessageBox("Failed to start process");
        return false;
    }
    // The project's windows show the run when they can; a project without them runs unwatched.
    if (auto* watcher = dynamic_cast<CRunWatcher*>(m_project.GetWindows()))
        watcher->WatchRun(std::move(runner));
    return true;
}

bool CProjectRunCommands::RunInConsole(const std::string& application, const std::string& commandLine,
                                       const std::string& folder)
{
    std::vector<std::string> argv = CommandLine::ToArgv(commandLine, folder);
    // The terminal runs the tool by its path; the name the line starts with is not passed on.
    if (!argv.empty())
        argv.erase(argv.begin());
    if (Terminal::Start(application, argv, folder) != 0) {
        Ui().MessageBox("Failed to laumch external process.");
        return false;
    }
    return true;
}

void CProjectRunCommands::ShowArchiveContents()
{
    CFileDialogSpec request;
    request.defaultExtension = "jar";
    request.filter = "Java Archives (*.jar)|*.jar||";
    request.hideReadOnly = true;
    const auto chosen = Ui().GetOpenFileNames(request);
    if (!chosen || chosen->empty())
        return;
    const CToolLine line = ToolLines::ArchiveListing(m_host.GetJavaBin(), chosen->front());
    // The tool runs where the archive is, and so does the program.
    FileIo::SetCurrentFolder(line.strFolder);
    RunCaptured(line.strApplication, line.strCommandLine, line.strFolder);
}
