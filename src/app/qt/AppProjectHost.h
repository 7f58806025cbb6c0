#pragma once

#include "MarksInWindows.h"

#include "project/ProjectHost.h"
#include "projectwindow/ProjectTreeHost.h"
#include "run/ProcessWindowHost.h"
#include "run/RunHost.h"

class CQuarnelApp;

// The application as its projects, their build and run commands and their Process Windows see
// it: the settings they read, the one open project, the recent projects, the process caption,
// Save All, the status bar's message pane, the windows and run commands each project owns, and
// what its project tree opens.
class CAppProjectHost : public CProjectHost, public CRunHost, public CProcessWindowHost, public CProjectTreeHost {
public:
    explicit CAppProjectHost(CQuarnelApp& app);

    CUi& GetUi() override;
    std::string GetDefaultJavaOptions() const override;
    std::string GetDefaultJavacSwitches() const override;
    std::string GetJavaBin() const override;
    void SetOpenProject(CJavaProjectDoc* project) override;
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string& path) override;
    void SaveRecentProjects(const std::string& path) override;
    void OpenDocumentAtLine(const std::string& path, int nLine) override;
    std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& project) override;
    std::unique_ptr<CCmdTarget> MakeProjectCommands(CJavaProjectDoc& project) override;

    // CRunHost
    std::string GetJavacSwitches() const override;
    bool SaveBeforeCompiling() const override;
    bool AskForArguments() const override;
    void SaveAll() override;
    void SetProcessCaption(const std::string& caption) override;
    std::string GetProcessCaption() const override;
    std::string GetProgramFolder() const override;

    // CProcessWindowHost
    std::string GetProcessFontName() const override;
    int GetProcessFontSize() const override;
    void SaveWindowBox(const CWindowBox& box) override;
    void SetMessagePaneText(const std::string& text) override;

    // CProjectTreeHost
    CDocument* OpenDocumentFile(const std::string& path) override;
    bool IsJavaSource(const CDocument& doc) const override;
    std::int32_t FindEntryPosition(const CDocument& doc, const std::string& entry) const override;
    void GoToPosition(CDocument& doc, std::int32_t nPos) override;
    CDesktopShell& GetShell() override;

private:
    // After a jump the keys go to the window that shows the document's text, at its selection.
    void FocusTextOf(CDocument& doc);

    CQuarnelApp& m_app;
    CJavaProjectDoc* m_pOpenProject = nullptr;
    // The open project's compile marks in the source windows.
    CMarksInWindows m_marksInWindows;
};
