#pragma once

#include "framework/ConsoleUi.h"

#include "project/ProjectHost.h"

#include <string>

// The application as a command-line tool sees it: the user's default switches, no window,
// and no recent-projects list to keep.
class CToolProjectHost : public CProjectHost {
public:
    explicit CToolProjectHost(std::ostream& err);

    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override { return m_strJavaOptions; }
    std::string GetDefaultJavacSwitches() const override { return m_strJavac; }
    std::string GetJavaBin() const override { return {}; }  // the tool starts no JDK tool
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string&) override {}
    void SaveRecentProjects(const std::string&) override {}

private:
    CConsoleUi m_ui;
    std::string m_strJavaOptions;
    std::string m_strJavac;
    CJavaProjectDoc* m_pOpenProject = nullptr;
};
