#pragma once

#include "ScriptedUi.h"

#include "project/ProjectWindows.h"

#include "project/ProjectHost.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Stands in for the application around a project: fixed default switches, and a record of
// the open-project pointer and the recent-project calls.
class CTestProjectHost : public CProjectHost {
public:
    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override { return m_strJavaOptions; }
    std::string GetDefaultJavacSwitches() const override { return m_strJavac; }
    std::string GetJavaBin() const override { return m_strJavaBin; }
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string& path) override { m_added.push_back(path); }
    void SaveRecentProjects(const std::string& path) override { m_saved.push_back(path); }
    void OpenDocumentAtLine(const std::string& path, int nLine) override { m_openedAt.emplace_back(path, nLine); }
    void SetMessagePaneText(const std::string& text) override { m_statusTexts.push_back(text); }
    std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& /*project*/) override
    {
        return m_makeWindows ? m_makeWindows() : nullptr;
    }
    std::unique_ptr<CCmdTarget> MakeProjectCommands(CJavaProjectDoc& project) override
    {
        return m_makeCommands ? m_makeCommands(project) : nullptr;
    }

    CScriptedUi m_ui;
    std::string m_strJavaOptions;
    std::string m_strJavac;
    std::string m_strJavaBin;
    CJavaProjectDoc* m_pOpenProject = nullptr;
    std::vector<std::string> m_added;
    std::vector<std::string> m_saved;
    std::vector<std::pair<std::string, int>> m_openedAt;
    std::vector<std::string> m_statusTexts;
    // Gives each new project its windows and its run commands; none when unset.
    std::function<std::unique_ptr<CProjectWindows>()> m_makeWindows;
    std::function<std::unique_ptr<CCmdTarget>(CJavaProjectDoc&)> m_makeCommands;
};
