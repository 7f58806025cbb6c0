#include "ProjectRunCommands.h"

#include "ArgumentsDlg.h"
#include "CapturedRun.h"
#include "ProcessRunner.h"
#include "RunHost.h"
#include "RunWatcher.h"
#include "ToolLines.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Ui.h"
#include "framework/WaitCursor.h"
#include "platform/CommandLine.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/Terminal.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectWindows.h"
#include "project/SourceRoot.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

using namespace Cmd;

namespace {

// Switches with which the java launcher looks for classes somewhere else than in its folder, or
// runs something else than a class from it; an argument file may hold any of them.
bool GivesClassPath(const std::string& javaSwitches)
{
    const std::vector<CommandLine::CArgument> arguments = CommandLine::Split("java " + javaSwitches);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& text = arguments[i].strText;
        for (const char* option : {"-cp", "-classpath", "--class-path", "-jar", "-m", "--module", "--source"}) {
            if (text == option || text.rfind(std::string(option) + "=", 0) == 0)
                return true;
        }
        if (text.rfind('@', 0) == 0)
            return true;
    }
    return false;
}

}  // namespace

CProjectRunCommands::CProjectRunCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& host)
    : m_project(project), m_run(run), m_host(host)
{
    OnCommand(ID_BUILD_BUILD, [this] { Build(); });
    OnCommand(ID_BUILD_RUN, [this] { RunMain(RunMode::Captured); });
    OnCommand(ID_BUILD_RUNWITHCONSOLE, [this] { RunMain(RunMode::Console); });
    // Inside the project window Run with Console wants a main file; elsewhere a project will do.
    OnUpdateUI(ID_BUILD_RUNWITHCONSOLE, [this](CCmdUI& ui) { ui.Enable(!m_project.GetMainJavaFile().empty()); });
    // The debugger of the program's own replaces Debug where it is built in; jdb in a terminal
    // stays as Debug in Terminal.
    for (int id : {ID_BUILD_DEBUG, ID_BUILD_DEBUGINTERMINAL})
        OnCommand(id, [this] { Debug(); });
    OnCommand(ID_BUILD_RUNAPPLET, [this] { RunMainApplet(); });
    OnUpdateUI(ID_BUILD_RUNAPPLET, [this](CCmdUI& ui) { ui.Enable(!m_project.GetMainHtmlFile().empty()); });
    OnCommand(ID_BUILD_CREATEJAR, [this] { CreateJar(); });
    OnCommand(ID_BUILD_SHOWARCHIVE, [this] { ShowArchiveContents(); });
}

CProjectRunCommands* CProjectRunCommands::Of(const CJavaProjectDoc& project)
{
    return dynamic_cast<CProjectRunCommands*>(project.GetRunCommands());
}

CUi& CProjectRunCommands::Ui() const
{
    return m_host.GetUi();
}

bool CProjectRunCommands::CheckMainFile()
{
    if (!m_project.GetMainJavaFile().empty())
        return true;
    Ui().MessageBox("Please specify a main Java file first");
    return false;
}

bool CProjectRunCommands::CheckSeparator(const std::string& path)
{
    // A main file no longer in the project gives "NOFILE", a window never saved no path at all.
    if (path.find(Paths::kSeparator) != std::string::npos)
        return true;
    Ui().MessageBox("Unholy Error");
    return false;
}

std::optional<std::string> CProjectRunCommands::CheckedMainPath()
{
    if (!CheckMainFile())
        return std::nullopt;
    std::string path = m_project.GetFilePath(m_project.GetMainJavaFile());
    if (!CheckSeparator(path))
        return std::nullopt;
    return path;
}

std::optional<CSourceRoot> CProjectRunCommands::CheckedRoot(const std::string& path, const std::string& package)
{
    std::optional<CSourceRoot> root = SourceRoot::Find(path, package);
    if (!root)
        Ui().MessageBox(SourceRoot::MismatchMessage(path, package));
    return root;
}

std::optional<CSourceRoot> CProjectRunCommands::CheckedMainRoot()
{
    const std::optional<std::string> mainPath = CheckedMainPath();
    if (!mainPath)
        return std::nullopt;
    m_project.ReadMainPackage();
    return CheckedRoot(*mainPath, m_project.GetMainPackage());
}

bool CProjectRunCommands::CheckMainClassBuilt(const CSourceRoot& main)
{
    if (GivesClassPath(m_project.GetJavaSwitches()) || std::getenv("CLASSPATH") != nullptr ||
        std::getenv("JDK_JAVA_OPTIONS") != nullptr)
        return true;
    std::string classFile = main.strClassName;
    for (char& c : classFile) {
        if (c == '.')
            c = Paths::kSeparator;
    }
    classFile += ".class";
    if (FileIo::FileExists(Paths::Join(main.strRoot, classFile)))
        return true;
    // The launcher would only say it cannot find the class, as if the program had failed.
    Ui().MessageBox(classFile + " was not found in " + main.strRoot + ".\nBuild the project first (F7).");
    return false;
}

bool CProjectRunCommands::Start(const CToolLine& line, RunMode mode, RunInput input, CJavaProjectDoc::ERunKind kind)
{
    FileIo::SetCurrentFolder(line.strFolder);
    if (mode == RunMode::Console)
        return RunInConsole(line.strApplication, line.strCommandLine, line.strFolder);
    return RunCaptured(line.strApplication, line.strCommandLine, line.strFolder, input, kind);
}

bool CProjectRunCommands::Compile(const std::string& path)
{
    if (m_host.SaveBeforeCompiling())
        m_host.SaveAll();
    // A file that declares a package is compiled from its source root, as javac expects.
    const FileIo::FileReadResult source = FileIo::ReadWholeFile(path);
    const std::optional<CSourceRoot> root = CheckedRoot(path, SourceRoot::ReadPackage(source.bytes));
    if (!root)
        return false;
    const CWaitCursor wait(Ui());
    const CToolLine line = ToolLines::Compile(m_host.GetJavaBin(), *root, m_host.GetJavacSwitches(), "");
    return Start(line, RunMode::Captured, RunInput::None, CJavaProjectDoc::ERunKind::Compile);
}

bool CProjectRunCommands::CompileFile(const std::string& path)
{
    // The caption comes first: it is set even when the checks then fail.
    m_host.SetProcessCaption("Compiling \"" + path + "\"");
    if (!CheckSeparator(path))
        return false;
    return Compile(path);
}

bool CProjectRunCommands::CompileSourceWindow(const std::string& path)
{
    if (!CheckSeparator(path))
        return false;
    m_host.SetProcessCaption("Compiling \"" + path + "\"");
    return Compile(path);
}

bool CProjectRunCommands::Build()
{
    return StartBuild("").has_value();
}

std::optional<CSourceRoot> CProjectRunCommands::StartBuild(const std::string& extraSwitches)
{
    if (!CheckedMainPath())
        return std::nullopt;
    if (m_host.SaveBeforeCompiling())
        m_host.SaveAll();
    std::optional<CSourceRoot> main = CheckedMainRoot();
    if (!main)
        return std::nullopt;
    std::string switches = m_project.GetJavacSwitches();
    if (!extraSwitches.empty())
        switches += (switches.empty() ? "" : " ") + extraSwitches;
    CToolLine line = ToolLines::Build(m_host.GetJavaBin(), *main, switches);
    // A build with switches of its own says which, so the person sees what was compiled how.
    if (!extraSwitches.empty())
        line.strCaption += " with " + extraSwitches;
    m_host.SetProcessCaption(line.strCaption);
    const CWaitCursor wait(Ui());
    if (!Start(line, RunMode::Captured, RunInput::None, CJavaProjectDoc::ERunKind::Compile))
        return std::nullopt;
    return main;
}

bool CProjectRunCommands::RunMain(RunMode mode, const std::optional<std::string>& arguments)
{
    const std::optional<CSourceRoot> main = CheckedMainRoot();
    if (!main)
        return false;
    CToolLine line = ToolLines::RunMain(m_host.GetJavaBin(), "java", *main, m_project.GetJavaSwitches());
    m_host.SetProcessCaption(line.strCaption);
    if (arguments) {
        line.strCommandLine += " " + *arguments;
    } else if (m_host.AskForArguments()) {
        CArgumentsDlg dlg;
        if (Ui().DoModal(dlg) != kIdOk)
            return false;
        line.strCommandLine += " " + dlg.m_strArguments;
    }
    if (!CheckMainClassBuilt(*main))
        return false;
    // A captured program reads what is typed in the Process Window.
    if (Start(line, mode, RunInput::Pipe))
        return true;
    if (mode == RunMode::Console)
        Ui().MessageBox("Couldn't locate Java.");
    return false;
}

bool CProjectRunCommands::Debug()
{
    const std::optional<CSourceRoot> main = CheckedMainRoot();
    if (!main)
        return false;
    CToolLine line = ToolLines::RunMain(m_host.GetJavaBin(), "jdb", *main, m_project.GetJavaSwitches());
    m_host.SetProcessCaption(line.strCaption);
    // The program's arguments are asked for as Run with Console asks for them.
    if (m_host.AskForArguments()) {
        CArgumentsDlg dlg;
        if (Ui().DoModal(dlg) != kIdOk)
            return false;
        line.strCommandLine += " " + dlg.m_strArguments;
    }
    if (Start(line, RunMode::Console))
        return true;
    Ui().MessageBox("Couldn't locate Java.");
    return false;
}

bool CProjectRunCommands::RunApplet(const std::string& pagePath)
{
    if (pagePath.find(Paths::kSeparator) == std::string::npos) {
        Ui().MessageBox("Please save the file (path unreadable).");
        return false;
    }
    const std::string javaBin = m_host.GetJavaBin();
    // The JDK lost its appletviewer in version 11; the program's own host shows the page then.
    const CToolLine line =
        FileIo::FileExists(ToolLines::ToolPath(javaBin, "appletviewer"))
            ? ToolLines::AppletViewer(javaBin, pagePath)
            : ToolLines::AppletHost(javaBin, Paths::Join(m_host.GetProgramFolder(), "applethost.jar"), pagePath);
    m_host.SetProcessCaption(line.strCaption);
    return Start(line, RunMode::Captured, RunInput::Pipe);
}

bool CProjectRunCommands::RunMainApplet()
{
    const std::string& page = m_project.GetMainHtmlFile();
    if (page.empty())
        return false;
    const std::string path = m_project.GetPlainFilePath(page);
    if (path.empty()) {
        Ui().MessageBox("Unable to open the HTML file.");
        return false;
    }
    return RunApplet(path);
}

bool CProjectRunCommands::CreateJar()
{
    // A main file gone from the project has no folder: the jar would pack whatever lies in the
    // program's current folder.
    const std::optional<CSourceRoot> main = CheckedMainRoot();
    if (!main)
        return false;
    const std::string mainPath = m_project.GetFilePath(m_project.GetMainJavaFile());
    const std::string className = ToolLines::ClassForManifest(m_project.GetMainJavaFile());
    const std::string mainFolder = Paths::FolderOf(mainPath);
    CFileDialogSpec request;
    request.defaultExtension = "jar";
    request.initialName = className + ".jar";
    request.initialFolder = mainFolder;
    request.filter = "Java Archives (*.jar)|*.jar||";
    request.hideReadOnly = true;
    request.promptOverwrite = true;
    const auto jarPath = Ui().GetSaveFileName(request);
    if (!jarPath)
        return false;
    const std::string manifest = Paths::FolderOf(*jarPath) + Paths::kSeparator + "manifest.txt";
    // A manifest that cannot be written is left out; the jar is made all the same.
    FileIo::WriteFileReplacing(manifest,
                               "Main-Class: " + ToolLines::ClassForManifest(m_project.GetMainJavaFile(), main->strPackage) +
                                   "\r\n");
    const std::vector<std::string> classFolders =
        main->strPackage.empty() ? std::vector<std::string>() : SourceRoot::PackageFoldersWithClasses(main->strRoot);
    const CToolLine line = ToolLines::CreateJar(m_host.GetJavaBin(), *main, classFolders, manifest, *jarPath);
    const CWaitCursor wait(Ui());
    m_host.SetProcessCaption(line.strCaption);
    return Start(line, RunMode::Captured);
}

std::string CProjectRunCommands::StartFailureText(const std::string& application, const std::string& folder) const
{
    std::string text = "Failed to start process";
    const int nError = m_run.LastStartError();
    if (nError == EBUSY)
        return text + "\nAnother tool is still running in the Process Window.";
    if (::access(application.c_str(), X_OK) != 0)
        return text + "\n" + application + ": " + std::generic_category().message(errno) +
               "\nSet the JDK folder in File > Preferences... (IDE).";
    if (!folder.empty() && ::access(folder.c_str(), X_OK) != 0)
        return text + "\n" + folder + ": " + std::generic_category().message(errno);
    return text + "\n" + application + ": " + std::generic_category().message(nError);
}

bool CProjectRunCommands::RunCaptured(const std::string& application, const std::string& commandLine,
                                      const std::string& folder, RunInput input, CJavaProjectDoc::ERunKind kind)
{
    std::unique_ptr<ProcessRunner> runner = m_run.StartRun(application, commandLine, folder, input);
    if (runner == nullptr) {
        Ui().MessageBox(StartFailureText(application, folder));
        return false;
    }
    // The Process Window shows this run now, and its messages name paths from its folder. The
    // project hears of it before the window watches it: a tool may be over at once.
    m_project.OnRunStarted(folder, kind);
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
    const std::string launcher = Paths::Join(m_host.GetProgramFolder(), kConsoleLauncher);
    if (Terminal::Start(application, argv, folder, nullptr, launcher) != 0) {
        Ui().MessageBox("Failed to laumch external process.");
        return false;
    }
    return true;
}

bool CProjectRunCommands::ShowArchiveContents()
{
    CFileDialogSpec request;
    request.defaultExtension = "jar";
    request.filter = "Java Archives (*.jar)|*.jar||";
    request.hideReadOnly = true;
    const auto chosen = Ui().GetOpenFileNames(request);
    if (!chosen || chosen->empty())
        return false;
    // The caption is left as it was.
    return Start(ToolLines::ArchiveListing(m_host.GetJavaBin(), chosen->front()), RunMode::Captured);
}

bool CProjectRunCommands::IsRunActive() const
{
    return m_run.IsRunning();
}
