#pragma once

#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/QuarnelSettings.h"

#include "framework/Profile.h"
#include "framework/qt/WinApp.h"
#include "project/ProjectHost.h"

#include <string>

class CDesktopShell;
class CDocTemplate;
class CDocument;
class CJavaProjectDoc;
class CMainFrame;

// The application object: the single root of the program. It starts the program, holds the
// settings (as plain fields, see CQuarnelSettings), the one open project, the recent projects
// and the process caption, and handles the commands that make sense with or without a window.
class CQuarnelApp : public CWinApp, public CQuarnelSettings, public CProjectHost, public CProfile {
public:
    CQuarnelApp(CUi& ui, CDesktopShell& shell, const CAppEnvironment& env);
    ~CQuarnelApp() override;

    // Start-up in its fixed order; false when the program cannot start.
    bool InitInstance(const CCommandLineInfo& cmdInfo);

    bool OpenNewDocumentOfType(const std::string& docName);
    CDocument* OpenDocumentFile(const std::string& path);
    bool QueryCloseProject(const std::string* path);
    void ShowTipAtStartup();

    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    CDocTemplate* GetProjectTemplate() const { return m_pProjectTemplate; }
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }
    std::string GetTipsFilePath() const;
    std::string GetProgramHelpPath() const;
    CMainFrame* GetMainFrame() const;
    int GetPreviewPages() const { return m_nPreviewPages; }

    // CProjectHost
    CUi& GetUi() override { return CWinApp::GetUi(); }
    std::string GetDefaultJavaOptions() const override { return m_strJavaOptions; }
    std::string GetDefaultJavacSwitches() const override { return m_strJavac; }
    std::string GetJavaBin() const override { return m_strJavaBin; }
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    void AddRecentProject(const std::string& path) override { CQuarnelSettings::AddRecentProject(path); }
    void SaveRecentProjects(const std::string& path) override { CQuarnelSettings::SaveRecentProjects(path); }
    std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& project) override;

    // CProfile: the settings as the framework reads and writes them.
    int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& strDefault) override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int nValue) override;
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    // Set by each build or run command before it starts a tool; the Process Window shows it.
    std::string m_strProcessCaption;

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

    CDesktopShell& m_shell;
    std::string m_strProgramFolder;
    CJavaProjectDoc* m_pOpenProject = nullptr;
    CDocTemplate* m_pProjectTemplate = nullptr;
    int m_nPreviewPages = 0;
    bool m_bNoLogo = false;
};
