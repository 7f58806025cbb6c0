#pragma once

#include "AppProjectHost.h"

#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/ProjectForwarder.h"
#include "app/QuarnelSettings.h"
#include "app/SettingsProfile.h"
#include "editor/EditorSettings.h"

#include "framework/qt/WinApp.h"
#include "run/CapturedRun.h"

#include <memory>
#include <string>

class CDesktopShell;
class CFileChangeWatcher;
class CRecoveryManager;
class CDocTemplate;
class CDocument;
class CJavaProjectDoc;
class CMainFrame;

// The application object: the single root of the program. It starts the program, holds the
// settings (as plain fields, see CQuarnelSettings), the one open project, the recent projects,
// the run state and the process caption, and handles the commands that make sense with or
// without a window.
class CQuarnelApp : public CWinApp {
public:
    CQuarnelApp(CUi& ui, CDesktopShell& shell, const CAppEnvironment& env);
    ~CQuarnelApp() override;

    // Start-up in its fixed order; false when the program cannot start.
    bool InitInstance(const CCommandLineInfo& cmdInfo);

    bool OpenNewDocumentOfType(const std::string& docName);
    CDocument* OpenDocumentFile(const std::string& path);
    bool QueryCloseProject(const std::string* path);
    void ShowTipAtStartup();
    // The Preferences sheet on page nPage (0 "IDE", 1 "Source Windows"); OK stores every value.
    void ShowPreferences(int nPage);

    CJavaProjectDoc* GetOpenProject() const { return m_projectHost.GetOpenProject(); }
    CDocTemplate* GetProjectTemplate() const { return m_pProjectTemplate; }
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }
    std::string GetTipsFilePath() const;
    std::string GetProgramHelpPath() const;
    CMainFrame* GetMainFrame() const;
    int GetPreviewPages() const { return m_nPreviewPages; }

    CQuarnelSettings& Settings() { return m_settings; }
    const CQuarnelSettings& Settings() const { return m_settings; }
    // What a source window opened now takes from the settings.
    CEditorSettings MakeEditorSettings() const;
    CProfile& Profile() { return m_profile; }
    CProjectHost& ProjectHost() { return m_projectHost; }
    CDesktopShell& GetShell() { return m_shell; }
    // The one captured run of the program.
    CCapturedRun& GetCapturedRun() { return m_capturedRun; }

    // With a captured run active, asks whether to abort it, as the Process Window does; on OK
    // the run and its process group end at once.
    bool QueryCloseMainWnd() override;
    // Stores whether the frame was maximised and, with no project open, the recent projects.
    void OnMainWndClosing(bool bMaximised) override;

    // Closes the program as cleanly as it can without asking anything, as a signal asks: what
    // runs is ended, unsaved work kept for the next start, a titled project written back, and
    // every event loop left, those of open dialogs too; the program then exits with nExitCode.
    void CloseWithoutQuestions(int nExitCode);
    // The unsaved work kept against a crash; none when the environment names no folder for it.
    CRecoveryManager* GetRecovery() const { return m_pRecovery.get(); }
    CFileChangeWatcher* GetFileWatcher() const { return m_pFileWatcher.get(); }

    // Set by each build or run command before it starts a tool; the Process Window shows it.
    std::string m_strProcessCaption;

protected:
    // After the application, the open project answers for the commands it takes from any window.
    void AppendRouteTail(std::vector<CCmdTarget*>& route) const override;

private:
    void RegisterDocTemplates();
    void RegisterCommands();

    void OnFileNew();
    void OnFileOpen();
    void OnNewProject();
    void OnOpenProject();
    void OnRecentProjects();
    void OnRecentFile(int id);
    void OnHelp();
    void OnTipOfTheDay();
    void OnAbout();
    bool WriteTemplateFile(const std::string& path, const std::string& text);
    // Ends the captured run and every process it started, as the program or the project goes
    // away: the one place that does.
    void EndRuns();

    CDesktopShell& m_shell;
    std::string m_strProgramFolder;
    CQuarnelSettings m_settings;
    CSettingsProfile m_profile;
    CCapturedRun m_capturedRun;
    CAppProjectHost m_projectHost;
    mutable CProjectForwarder m_projectForwarder;
    CDocTemplate* m_pProjectTemplate = nullptr;
    int m_nPreviewPages = 0;
    bool m_bNoLogo = false;
    std::string m_strRecoveryFolder;
    std::unique_ptr<CRecoveryManager> m_pRecovery;
    std::unique_ptr<CFileChangeWatcher> m_pFileWatcher;
    bool m_bClosingWithoutQuestions = false;
};
