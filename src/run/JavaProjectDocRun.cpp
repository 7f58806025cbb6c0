// The project document's two ways of starting a tool.
#include "project/JavaProjectDoc.h"

#include "CapturedRun.h"
#include "ProcessRunner.h"

#include "framework/Ui.h"
#include "project/ProjectHost.h"
#include "project/ProjectWindows.h"
#include "platform/CommandLine.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/Terminal.h"

bool CJavaProjectDoc::RunCaptured(const std::string& application, const std::string& commandLine,
                                  const std::string& folder)
{
    auto runner = std::make_unique<ProcessRunner>();
    if (!StartCaptured(application, commandLine, folder)) {
        Ui().MessageBox("Failed to start process");
        return false;
    }
    if (CProjectWindows* windows = GetWindows())
        windows->WatchRun(std::move(runner));
    return true;
}

bool CJavaProjectDoc::RunInConsole(const std::string& application, const std::string& commandLine,
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

void CJavaProjectDoc::ShowArchiveContents()
{
    CFileDialogSpec request;
    request.defaultExtension = "jar";
    request.filter = "Java Archives (*.jar)|*.jar||";
    request.hideReadOnly = true;
    const auto chosen = Ui().GetOpenFileNames(request);
    if (!chosen || chosen->empty())
        return;
    const std::string& path = chosen->front();
    const std::string folder = Paths::FolderOf(path);
    // The tool runs where the archive is, and so does the program.
    FileIo::SetCurrentFolder(folder);
    RunCaptured(m_host.GetJavaBin() + "/bin/jar", "jar tvf " + Paths::NameOf(path), folder);
}
