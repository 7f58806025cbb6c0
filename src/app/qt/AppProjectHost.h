#pragma once

#include "project/ProjectHost.h"

class CQuarnelApp;

// The application as its projects see it: the default switches and the JDK folder from the
// settings, the one open project, the recent projects, and the windows and run commands each
// project owns.
class CAppProjectHost : public CProjectHost {
public:
    explicit CAppProjectHost(CQuarnelApp& app) : m_app(app) {}

    CUi& GetUi() override;
    std::string GetDefaultJavaOptions() const override;
    std::string GetDefaultJavacSwitches() const override;
    std::string GetJavaBin() const override;
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string& path) override;
    void SaveRecentProjects(const std::string& path) override;
    void OpenDocumentAtLine(const std::string& path, int nLine) override;
    std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& project) override;
    std::unique_ptr<CCmdTarget> MakeProjectCommands(CJavaProjectDoc& project) override;

private:
    CQuarnelApp& m_app;
    CJavaProjectDoc* m_pOpenProject = nullptr;
};
