#pragma once

// The application around a project as the benchmarks need it: no default switches, no JDK,
// and nobody to answer.

#include "framework/ModalDialog.h"
#include "framework/Ui.h"
#include "project/ProjectHost.h"

#include <string>

// Nobody is there to answer; a scan that asks anything is not measuring what it should.
class CSilentUi : public CUi {
public:
    MsgAnswer MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override
    {
        ++m_nMessages;
        return MsgAnswer::Cancel;
    }
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    int DoModal(CModalDialog&) override { return kIdCancel; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    int m_nMessages = 0;
};

class CBenchProjectHost : public CProjectHost {
public:
    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override { return {}; }
    std::string GetDefaultJavacSwitches() const override { return {}; }
    std::string GetJavaBin() const override { return {}; }
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string&) override {}
    void SaveRecentProjects(const std::string&) override {}

    CSilentUi m_ui;
    CJavaProjectDoc* m_pOpenProject = nullptr;
};
