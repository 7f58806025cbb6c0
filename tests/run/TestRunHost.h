#pragma once

#include "run/RunHost.h"

#include "support/ScriptedUi.h"

#include <string>

// Stands in for the application around the build and run commands: settings as fields, and a
// record of Save All and the process caption.
class CTestRunHost : public CRunHost {
public:
    explicit CTestRunHost(CScriptedUi& ui) : m_ui(ui) {}

    CUi& GetUi() override { return m_ui; }
    std::string GetJavaBin() const override { return m_strJavaBin; }
    std::string GetJavacSwitches() const override { return m_strJavac; }
    bool SaveBeforeCompiling() const override { return m_bSaveComp; }
    bool AskForArguments() const override { return m_bShowArgs; }
    void SaveAll() override { ++m_nSaveAlls; }
    void SetProcessCaption(const std::string& caption) override { m_strCaption = caption; }
    std::string GetProcessCaption() const override { return m_strCaption; }
    std::string GetProgramFolder() const override { return m_strProgramFolder; }

    CScriptedUi& m_ui;
    std::string m_strJavaBin;
    std::string m_strJavac;
    bool m_bSaveComp = true;
    bool m_bShowArgs = false;
    int m_nSaveAlls = 0;
    std::string m_strCaption = "(unset)";
    std::string m_strProgramFolder;
};
