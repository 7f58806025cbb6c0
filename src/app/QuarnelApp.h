#pragma once

#include "AppEnvironment.h"
#include "QuarnelSettings.h"

#include "project/ProjectHost.h"

#include <string>

class CJavaProjectDoc;
class CUi;

// The application object: the single root of the program. It holds the settings (as plain
// fields, see CQuarnelSettings), the one open project, the recent projects and the process
// caption.
class CQuarnelApp : public CQuarnelSettings, public CProjectHost {
public:
    CQuarnelApp(CUi& ui, const CAppEnvironment& env);

    // CProjectHost
    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override { return m_strJavaOptions; }
    std::string GetDefaultJavacSwitches() const override { return m_strJavac; }
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    void AddRecentProject(const std::string& path) override { CQuarnelSettings::AddRecentProject(path); }
    void SaveRecentProjects(const std::string& path) override { CQuarnelSettings::SaveRecentProjects(path); }

    CJavaProjectDoc* GetOpenProject() const { return m_pOpenProject; }
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }

    // Set by each build or run command before it starts a tool; the Process Window shows it.
    std::string m_strProcessCaption;

private:
    CUi& m_ui;
    std::string m_strProgramFolder;
    CJavaProjectDoc* m_pOpenProject = nullptr;
};
