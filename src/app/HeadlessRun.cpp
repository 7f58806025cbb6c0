#include "HeadlessRun.h"

#include "AppEnvironment.h"
#include "CommandLineInfo.h"
#include "ConsoleRunWatcher.h"
#include "HeadlessHost.h"
#include "QuarnelSettings.h"

#include "framework/ConsoleUi.h"
#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "project/JavaProjectDoc.h"
#include "run/CapturedRun.h"
#include "run/ProjectRunCommands.h"

int RunHeadless(const CCommandLineInfo& cmdInfo, const CAppEnvironment& env, std::ostream& out, std::ostream& err)
{
    const std::string programFolder = Paths::FolderOf(env.strProgramPath);
    CQuarnelSettings settings(CSettingsStore(env.strSettingsFile, CQuarnelSettings::kCompany,
                                             CQuarnelSettings::kApplication),
                              CJdkRegistryView::Discover(env.jdkSearch), Paths::Join(programFolder, "ondrik.html"));
    settings.LoadSettings();
    CConsoleUi ui(err);
    CCapturedRun run;
    CHeadlessHost host(settings, ui, run, programFolder, out);

    const std::string path = Paths::Absolute(cmdInfo.strProject);
    CJavaProjectDoc project(host);
    if (!project.OnOpenDocument(path))
        return 1;
    project.SetPathName(path);

    CProjectRunCommands* commands = CProjectRunCommands::Of(project);
    bool bStarted = false;
    if (cmdInfo.nAction == CCommandLineInfo::Action::Build) {
        bStarted = commands->Build();
    } else {
        // Arguments given are appended as the Arguments dialog's text would be.
        std::optional<std::string> arguments;
        for (const std::string& argument : cmdInfo.runArguments)
            arguments = (arguments ? *arguments + " " : std::string()) + CommandLine::Quote(argument);
        bStarted = commands->RunMain(CProjectRunCommands::RunMode::Captured, arguments);
    }
    if (!bStarted)
        return 1;
    static_cast<CConsoleRunWatcher*>(project.GetWindows())->FollowToTheEnd();
    return run.LastExitCode().value_or(1);
}
