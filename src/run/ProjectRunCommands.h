#pragma once

#include "RunInput.h"

#include "framework/CmdTarget.h"
#include "project/JavaProjectDoc.h"

#include <optional>
#include <string>

class CCapturedRun;
class CRunHost;
class CUi;
struct CSourceRoot;
struct CToolLine;

// The project's commands that start the JDK's tools: compile, build, run captured or in a
// console, debug, run an applet, make and list jars. They work on the project document and
// answer on its behalf on the command route; they live beside the runner because the project
// itself knows nothing of runs and their windows. Each returns whether a tool was started.
class CProjectRunCommands : public CCmdTarget {
public:
    enum class RunMode { Captured, Console };

    CProjectRunCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& host);
    // The run commands of a project, when its host gave it any.
    static CProjectRunCommands* Of(const CJavaProjectDoc& project);

    // A file of the project, by its full path (the project tree's Compile).
    bool CompileFile(const std::string& path);
    // A source window's file, by its path ("" for a window never saved).
    bool CompileSourceWindow(const std::string& path);
    bool Build();
    // Run Application (captured) and Run with Console. With arguments given they are appended
    // as the Arguments dialog's text would be, and no dialog is shown.
    bool RunMain(RunMode mode, const std::optional<std::string>& arguments = std::nullopt);
    bool Debug();
    // The page in appletviewer, or in the program's own applet host where the JDK has none.
    bool RunApplet(const std::string& pagePath);
    // Run Applet of the menus and the toolbar: the project's main HTML file.
    bool RunMainApplet();
    bool CreateJar();
    // Show Archive Contents: lists a chosen jar in the Process Window.
    bool ShowArchiveContents();

    // Starts a captured run and hands its runner to the project's Process Window; a refused
    // start is reported. The tool is started by its full path with the arguments split from
    // commandLine, in folder. The output of a compile marks the sources when the run ends.
    bool RunCaptured(const std::string& application, const std::string& commandLine, const std::string& folder,
                     RunInput input = RunInput::None,
                     CJavaProjectDoc::ERunKind kind = CJavaProjectDoc::ERunKind::Other);
    // Starts the tool in a terminal window of its own, through the console launcher beside the
    // program, which keeps the window open after the tool ends; nothing is captured.
    bool RunInConsole(const std::string& application, const std::string& commandLine, const std::string& folder);
    // A captured run is active: Compile, wherever it is offered, waits for it.
    bool IsRunActive() const;

    // The console launcher's name, beside the program.
    static constexpr const char* kConsoleLauncher = "ondrik-console";

protected:
    CUi& Ui() const;
    CJavaProjectDoc& Project() const { return m_project; }
    CCapturedRun& Run() const { return m_run; }
    CRunHost& Host() const { return m_host; }
    // The main file's full path, after the main-file and separator checks; nothing (and the
    // message shown) when one fails.
    std::optional<std::string> CheckedMainPath();
    // Build with extraSwitches after the project's switches, the caption saying so; the main
    // file's root once the build has started, else nothing (and the message shown).
    std::optional<CSourceRoot> StartBuild(const std::string& extraSwitches);

private:
    // The main file's root and names, its package read again from the file; nothing (and the
    // message shown) when a check fails or its folder does not match its package.
    std::optional<CSourceRoot> CheckedMainRoot();
    // Where the tools work on the source at path, declaring package; nothing (and the message
    // shown) when its folder does not match its package.
    std::optional<CSourceRoot> CheckedRoot(const std::string& path, const std::string& package);
    bool CheckMainFile();
    bool CheckSeparator(const std::string& path);
    bool Compile(const std::string& path);
    // The main class's file is where the run will look for it; nothing to check when switches
    // or the environment give the run a class path of its own.
    bool CheckMainClassBuilt(const CSourceRoot& main);
    // Moves the program to the tool's folder and starts it; a compile's output marks its sources.
    bool Start(const CToolLine& line, RunMode mode, RunInput input = RunInput::None,
               CJavaProjectDoc::ERunKind kind = CJavaProjectDoc::ERunKind::Other);
    // "Failed to start process" and why, for a start the runner refused.
    std::string StartFailureText(const std::string& application, const std::string& folder) const;

    CJavaProjectDoc& m_project;
    CCapturedRun& m_run;
    CRunHost& m_host;
};
