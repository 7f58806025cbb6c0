#pragma once

#include "framework/CmdTarget.h"

#include <string>

class CCapturedRun;
class CJavaProjectDoc;
class CRunHost;
class CUi;

// The project's commands that start the JDK's tools. They work on the project document and
// answer on its behalf on the command route; they live beside the runner because the project
// itself knows nothing of runs and their windows.
class CProjectRunCommands : public CCmdTarget {
public:
    CProjectRunCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& host);
    // The run commands of a project, when its host gave it any.
    static CProjectRunCommands* Of(const CJavaProjectDoc& project);

    // Starts a captured run and hands its runner to the project's Process Window; a refused
    // start is reported. The tool is started by its full path with the arguments split from
    // commandLine, in folder.
    bool RunCaptured(const std::string& application, const std::string& commandLine, const std::string& folder);
    // Starts the tool in a terminal window of its own; nothing is captured.
    bool RunInConsole(const std::string& application, const std::string& commandLine, const std::string& folder);

    // Show Archive Contents: lists a chosen jar in the Process Window.
    void ShowArchiveContents();

private:
    CUi& Ui() const;

    CJavaProjectDoc& m_project;
    CCapturedRun& m_run;
    CRunHost& m_host;
};
