#pragma once

#include "project/ProjectHost.h"
#include "run/RunHost.h"

#include <iosfwd>

class CCapturedRun;
class CQuarnelSettings;

// The application without windows, for --build and --run: the user's settings, read as the IDE
// reads them and never written; messages on the error stream; no document open, so nothing to
// save first and nobody to ask for arguments; output through a console watcher.
class CHeadlessHost : public CProjectHost, public CRunHost {
public:
    CHeadlessHost(const CQuarnelSettings& settings, CUi& ui, CCapturedRun& run, std::string programFolder,
                  std::ostream& out);

    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override;
    std::string GetDefaultJavacSwitches() const override;
    std::string GetJavaBin() const override;
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string&) override {}
    void SaveRecentProjects(const std::string&) override {}
    std::unique_ptr<CProjectWindows> MakeProjectWindows(CJavaProjectDoc& project) override;
    std::unique_ptr<CCmdTarget> MakeProjectCommands(CJavaProjectDoc& project) override;

    std::string GetJavacSwitches() const override;
    bool SaveBeforeCompiling() const override { return false; }
    bool AskForArguments() const override { return false; }
    void SaveAll() override {}
    void SetProcessCaption(const std::string& caption) override { m_strCaption = caption; }
    std::string GetProcessCaption() const override { return m_strCaption; }
    std::string GetProgramFolder() const override { return m_strProgramFolder; }

private:
    const CQuarnelSettings& m_settings;
    CUi& m_ui;
    CCapturedRun& m_run;
    std::string m_strProgramFolder;
    std::ostream& m_out;
    CJavaProjectDoc* m_pOpenProject = nullptr;
    std::string m_strCaption;
};
