#include "HeadlessRun.h"

#include "AppEnvironment.h"
#include "CommandLineInfo.h"
#include "ConsoleRunWatcher.h"
#include "HeadlessHost.h"
#include "QuarnelSettings.h"

#include "editor/HtmlExport.h"
#include "framework/ConsoleUi.h"
#include "framework/Document.h"
#include "platform/CommandLine.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "project/JavaProjectDoc.h"
#include "run/CapturedRun.h"
#include "run/ProjectRunCommands.h"

namespace {

// A page is coloured by the page window's rules, any other file by the Java window's. The page
// takes the source windows' colours; its normal text is black, as a page is read
// on white whatever the desktop's colours.
int ExportHtml(const CCommandLineInfo& cmdInfo, const CQuarnelSettings& settings, std::ostream& err)
{
    const FileIo::FileReadResult source = FileIo::ReadWholeFile(cmdInfo.strExportSource);
    if (source.status != FileIo::FileStatus::Ok) {
        err << CDocument::FileErrorText(source.status, FileIo::FileDirection::Reading, cmdInfo.strExportSource)
            << '\n';
        return 1;
    }
    CEditorSettings colours;
    colours.crNormal = 0x00000000;
    colours.crKeyword = settings.m_crKeyColor;
    colours.crComment = settings.m_crCommentColor;
    colours.crString = settings.m_crStringColor;
    colours.crTag = settings.m_crTagColor;
    const FileIo::FileStatus status =
        HtmlExport::ExportFile(source.bytes, CSyntaxColourer::RulesFor(cmdInfo.strExportSource), cmdInfo.strExportPage,
                               colours, Paths::NameOf(cmdInfo.strExportSource));
    if (status != FileIo::FileStatus::Ok) {
        err << CDocument::FileErrorText(status, FileIo::FileDirection::Writing, cmdInfo.strExportPage) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunHeadless(const CCommandLineInfo& cmdInfo, const CAppEnvironment& env, std::ostream& out, std::ostream& err)
{
    const std::string programFolder = Paths::FolderOf(env.strProgramPath);
    CQuarnelSettings settings(CSettingsStore(env.strSettingsFile, CQuarnelSettings::kCompany,
                                             CQuarnelSettings::kApplication),
                              CJdkRegistryView::Discover(env.jdkSearch), Paths::Join(programFolder, "ondrik.html"));
    settings.LoadSettings();
    if (cmdInfo.nAction == CCommandLineInfo::Action::ExportHtml)
        return ExportHtml(cmdInfo, settings, err);

    CConsoleUi ui(err);
    CCapturedRun run;
    // A program run from a shell reads the shell's input: `echo 5 | ondrik --run P.jpr`.
    run.HandOverOwnInput(true);
    CHeadlessHost host(settings, ui, run, programFolder, out);

    const std::string path = Paths::Absolute(cmdInfo.strProject);
    CJavaProjectDoc project(host);
    if (!project.OnOpenDocument(path))
        return 1;
    project.SetPathName(path);
    auto* watcher = static_cast<CConsoleRunWatcher*>(project.GetWindows());
    run.SetOutputObserver(watcher);

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
    watcher->FollowToTheEnd(run);
    return run.LastExitCode().value_or(1);
}
