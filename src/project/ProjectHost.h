#pragma once

#include "ProjectWindows.h"

#include "framework/CmdTarget.h"

#include <memory>
#include <string>

class CJavaProjectDoc;
class CUi;

// What a project needs from the application that holds it: the default switches copied into
// every new project, the pointer to the one open project, the recent-projects list, and the
// windows and the run commands each project owns beside its frame.
class CProjectHost {
public:
    virtual ~CProjectHost() = default;

    virtual CUi& GetUi() = 0;
    virtual std::string GetDefaultJavaOptions() const = 0;  // the JAVAOPTIONS setting
    virtual std::string GetDefaultJavacSwitches() const = 0;  // the JAVAC setting
    virtual std::string GetJavaBin() const = 0;  // the JAVABIN setting: the JDK's folder
    virtual void SetOpenProject(CJavaProjectDoc* project) = 0;
    virtual CJavaProjectDoc* GetOpenProject() const = 0;
    virtual void AddRecentProject(const std::string& path) = 0;
    virtual void SaveRecentProjects(const std::string& path) = 0;
    // Opens a file as the program opens any file; a Java source then shows line nLine (0-based,
    // the first line for anything less).
    virtual void OpenDocumentAtLine(const std::string& /*path*/, int /*nLine*/) {}
    // The first pane of the main window's status bar.
    virtual void SetMessagePaneText(const std::string& /*text*/) {}
    // Called once by each new project; a host without windows gives none.
    virtual std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& /*project*/) { return nullptr; }
    // Called once by each new project, after its windows; a host without a runner gives none.
    virtual std::unique_ptr<CCmdTarget> MakeProjectCommands(CJavaProjectDoc& /*project*/) { return nullptr; }
};
