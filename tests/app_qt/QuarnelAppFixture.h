#pragma once

#include "app/qt/MainFrame.h"
#include "app/qt/QuarnelApp.h"
#include "framework/qt/MDIFrameWnd.h"
#include "project/JavaProjectDoc.h"

#include "support/AppTestEnv.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QuarnelAppTest : public ::testing::Test {
protected:
    QuarnelAppTest()
    {
        // No tip at start-up unless a test asks for it.
        WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n");
    }

    void WriteSettings(const std::string& keys)
    {
        m_home.Dir().Write("config/Kestrune/Ondrik.reg", "Windows Registry Editor Version 5.00\n\n" + keys);
    }

    CAppEnvironment Environment() const
    {
        CAppEnvironment env;
        env.strProgramPath = m_home.Dir().File("install/ondrik");
        env.strSettingsFile = m_home.SettingsFile();
        env.jdkSearch = {m_home.Dir().File("jvm/default-java"), ""};
        return env;
    }

    CQuarnelApp& Start(const CCommandLineInfo& cmd = {})
    {
        m_app = std::make_unique<CQuarnelApp>(m_ui, m_shell, Environment());
        m_bStarted = m_app->InitInstance(cmd);
        return *m_app;
    }

    // A saved project with one Java file, as the program writes it.
    std::string MakeProject(const std::string& name)
    {
        const std::string folder = m_home.Dir().File(name);
        m_home.Dir().Write(name + "/" + name + ".java", "class " + name + " {}\r\n");
        CScriptedUi ui;
        CRecordingShell shell;
        CQuarnelApp maker(ui, shell, Environment());
        CJavaProjectDoc project(maker.ProjectHost());
        project.SetPathName(folder + "/" + name + ".jpr");
        project.AddJavaFile(folder + "/" + name + ".java");
        project.SetMainJavaFile(name + ".java");
        EXPECT_TRUE(project.OnSaveDocument(project.GetPathName()));
        return project.GetPathName();
    }

    void ProcessDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::size_t WindowCount() const { return m_app->GetMainWnd()->GetMdiArea()->subWindowList().size(); }

    CTestConfigHome m_home;
    CScriptedUi m_ui;
    CRecordingShell m_shell;
    std::unique_ptr<CQuarnelApp> m_app;
    bool m_bStarted = false;
};

